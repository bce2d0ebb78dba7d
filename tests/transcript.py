#!/usr/bin/env python3
"""Runs one case of the suite: a file that reads like a terminal session.

    transcript.py [--bin DIR]... CASE.t

Lines that begin with two blanks and "$ " are shell commands ("  > " goes on
with the command before); the lines under a command that begin with two
blanks are what it must print, standard error included, and "[N]" is its exit
status when that is not 0. Every other line is commentary. The commands run
one after another in one bash, in a fresh folder that is also HOME, with the
DIRs first on PATH and TESTDIR naming the folder of this runner.

An expected line "{name key=value ...}" stands for the text tests/texts/name,
whose fields "{key=default}" are filled in. A printed line that holds a
character other than a printable one or a TAB is shown escaped, followed by
" (esc)"; a last line without its newline ends in " (no-eol)".
"""
import difflib, os, re, signal, subprocess, sys, tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
SALT = '@@tikvane-case@@'
OUTPUT_LIMIT = 64 << 20  # a runaway program fails its case instead of filling the memory


def parse(path):
    steps = []  # [command, expected lines]
    with open(path, encoding='utf-8') as f:
        for line in f.read().split('\n'):
            if line.startswith('  $ '):
                steps.append([line[4:], []])
            elif line.startswith('  > ') and steps and not steps[-1][1]:
                steps[-1][0] += '\n' + line[4:]
            elif line.startswith('  ') and steps:
                steps[-1][1].append(line[2:])
    return steps


def expand(lines):
    out = []
    for line in lines:
        m = re.fullmatch(r'\{([\w-]+)((?: [\w-]+=\S*)*)\}', line)
        if not m:
            out.append(line)
            continue
        values = dict(kv.split('=', 1) for kv in m.group(2).split())
        with open(os.path.join(HERE, 'texts', m.group(1)), encoding='utf-8') as f:
            text = f.read()
        fields = re.findall(r'\{(\w+)=', text)
        if set(values) - set(fields):
            sys.exit('%s: texts/%s has no such field' % (line, m.group(1)))
        text = re.sub(r'\{(\w+)=([^}]*)\}', lambda p: values.get(p.group(1), p.group(2)), text)
        out += text.rstrip('\n').split('\n')
    return out


def escaped(line):
    if all(c == '\t' or ' ' <= c <= '~' for c in line):
        return line
    return repr(line.encode('latin-1'))[2:-1] + ' (esc)'


def shown(output):
    lines = output.split('\n')
    last = lines.pop()
    return [escaped(l) for l in lines] + ([escaped(last) + ' (no-eol)'] if last else [])


def main():
    args, dirs = sys.argv[1:], []
    while args[:1] == ['--bin']:
        dirs.append(os.path.abspath(args[1]))
        args = args[2:]
    case = args[0]
    steps = parse(case)
    if not steps:
        sys.exit('%s holds no command' % case)
    script = ''.join('%s\n__s=$?; printf "\\n%s %%d\\n" $__s\n' % (cmd, SALT) for cmd, _ in steps)
    with tempfile.TemporaryDirectory(prefix='tikvane-case-') as work:
        env = dict(os.environ, HOME=work, TESTDIR=HERE, LC_ALL='C',
                   PATH=os.pathsep.join(dirs + [os.environ.get('PATH', '/usr/bin:/bin')]))
        run = subprocess.Popen(['bash', '-c', script], cwd=work, env=env, start_new_session=True,
                               stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                               stderr=subprocess.STDOUT)
        printed = run.stdout.read(OUTPUT_LIMIT + 1)
        if len(printed) > OUTPUT_LIMIT:
            os.killpg(run.pid, signal.SIGKILL)
            sys.exit('%s printed more than %d bytes' % (case, OUTPUT_LIMIT))
        run.wait()
    pieces = printed.decode('latin-1').split('\n' + SALT + ' ')
    failed = False
    for i, (cmd, expected) in enumerate(steps):
        if i + 1 >= len(pieces):
            sys.exit('the shell ended before "%s":\n%s' % (cmd, pieces[-1]))
        status = int(pieces[i + 1].split('\n', 1)[0])
        output = pieces[i] if i == 0 else pieces[i].split('\n', 1)[1]
        actual = shown(output) + (['[%d]' % status] if status else [])
        want = expand(expected)
        if actual != want:
            failed = True
            print('$ ' + cmd)
            sys.stdout.writelines(l + '\n' for l in difflib.unified_diff(
                want, actual, 'expected', 'printed', lineterm=''))
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
