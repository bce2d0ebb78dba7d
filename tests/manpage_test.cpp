// The manual page: it renders cleanly and describes every command the
// program's menu offers.
#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <set>
#include <string>

#include "support.h"

namespace {

const std::string manPage = std::string(TIKVANE_SOURCE_DIR) + "/man/tikvane.1";

// Runs a shell command and returns what it wrote to standard error; its
// standard output is thrown away. `status` receives the exit status.
std::string diagnostics_of(const std::string& command, int* status)
{
    std::string text;
    std::FILE* pipe = popen((command + " 2>&1 >/dev/null").c_str(), "r");
    if (!pipe) {
        *status = -1;
        return "could not start: " + command;
    }
    char chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) text.append(chunk, got);
    *status = pclose(pipe);
    return text;
}

// The command words as the real program's menu names them: 't', 'al', '+'...
std::set<std::string> menu_commands()
{
    std::set<std::string> words;
    const std::string text = menu();
    const std::regex quoted("Enter '([^']+)'");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), quoted);
         it != std::sregex_iterator(); ++it)
        words.insert((*it)[1].str());
    return words;
}

}  // namespace

TEST(ManPage, RendersWithoutAnyWarning)
{
    ASSERT_TRUE(file_exists(manPage)) << manPage;
    int status = 0;
    EXPECT_EQ(diagnostics_of("groff -man -ww -z '" + manPage + "'", &status), "");
    EXPECT_EQ(status, 0);

    // man(1) formats for a terminal, where narrow widths bring out lines
    // that cannot be broken.
    if (diagnostics_of("command -v man", &status).empty() && status == 0) {
        for (const char* width : {"60", "80", "132"}) {
            const std::string out = diagnostics_of(
                std::string("MANWIDTH=") + width + " man --warnings -l '" + manPage + "'", &status);
            EXPECT_EQ(out, "") << "at width " << width;
            EXPECT_EQ(status, 0) << "at width " << width;
        }
    }
}

TEST(ManPage, DescribesEveryCommandOfTheMenuAndTheFilesItUses)
{
    const std::string page = read_file(manPage);
    const std::set<std::string> commands = menu_commands();
    ASSERT_EQ(commands.size(), 15u);
    for (const std::string& word : commands)
        EXPECT_NE(page.find(".TP\n.B " + word + "\n"), std::string::npos)
            << "no entry for the command " << word;
    for (const char* file : {"tiklora.txt", "tmap.txt", "click.wav"})
        EXPECT_NE(page.find(".I " + std::string(file) + "\n"), std::string::npos) << file;
    for (const char* section : {".SH EXIT STATUS", ".SH FILES", ".SH TEMPO MAP FILE",
                                ".SH SETTINGS FILE", ".SH DIAGNOSTICS"})
        EXPECT_NE(page.find(section), std::string::npos) << section;
}
