#!/usr/bin/env python3
# Runs one case of the suite: a file that reads like a terminal session.
#
#     transcript.py [--bin DIR]... CASE.t
#
# Lines that begin with two blanks and "$ " are shell commands ("  > " goes on
# with the command before); the lines under a command that begin with two
# blanks are what it must print, standard error included, and "[N]" is its exit
# status when that is not 0. Every other line is commentary. The commands run
# one after another in one bash, in a fresh folder that is also HOME, with the
# DIRs first on PATH and TESTDIR naming the folder of this runner, whose
# helpers.sh they source first.
#
# An expected line "{name key=value ...}" stands for the text texts/name, whose
# fields "{key=default}" are filled in. A last line printed without its
# newline is shown followed by " (no-eol)".
#
# A case that runs past DEADLINE seconds or prints more than LIMIT bytes fails.
# However the case ends, every process it started is killed with it.
import difflib, os, re, subprocess, sys, tempfile, threading

HERE = os.path.dirname(os.path.abspath(__file__))
SALT, LIMIT, DEADLINE = '@@tikvane-case@@', 64 << 20, 25


def parse(path):
    steps = []  # [command, expected lines]
    for line in open(path, encoding='utf-8').read().split('\n'):
        if line.startswith('  $ '):
            steps.append([line[4:], []])
        elif line.startswith('  > ') and steps and not steps[-1][1]:
            steps[-1][0] += '\n' + line[4:]
        elif line.startswith('  ') and steps:
            steps[-1][1] += expand(line[2:])
    return steps


def expand(line):
    m = re.fullmatch(r'\{([\w-]+)((?: \w+=\S*)*)\}', line)
    if not m:
        return [line]
    values = dict(kv.split('=', 1) for kv in m.group(2).split())
    text = open(os.path.join(HERE, 'texts', m.group(1)), encoding='utf-8').read()
    return re.sub(r'\{(\w+)=([^}]*)\}', lambda f: values.get(f.group(1), f.group(2)), text).rstrip('\n').split('\n')


def run(script, work, dirs):
    # This interpreter's folder comes next, so that the helpers start it
    # rather than a version manager's slow shim. Nothing of the user's
    # session reaches a case: no sound server, bus or display.
    env = {k: v for k, v in os.environ.items()
           if not k.startswith(('XDG_', 'DBUS_', 'PULSE_', 'PIPEWIRE_', 'DISPLAY', 'WAYLAND_'))}
    env.update(HOME=work, TESTDIR=HERE, LC_ALL='C', PATH=os.pathsep.join(
        dirs + [os.path.dirname(sys.executable), os.environ.get('PATH', '/usr/bin:/bin')]))
    shell = subprocess.Popen(['bash', '-c', script], cwd=work, env=env, start_new_session=True,
                             stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    kill = lambda: subprocess.run(['kill', '-KILL', '--', '-%d' % shell.pid], stderr=-3)
    (timer := threading.Timer(DEADLINE, kill)).start()
    printed = shell.stdout.read(LIMIT + 1)
    timer.cancel(), kill(), shell.wait()
    return printed.decode('latin-1')


def main(args, dirs=[], failed=False):
    while args[0] == '--bin': dirs, args = dirs + [os.path.abspath(args[1])], args[2:]
    steps = parse(args[0])
    script = '. "$TESTDIR/helpers.sh"\n' + ''.join('%s\n__s=$?; printf "\\n%s %%d\\n" $__s\n' % (cmd, SALT) for cmd, _ in steps)
    with tempfile.TemporaryDirectory(prefix='tikvane-case-') as work:
        pieces = run(script, work, dirs).split('\n' + SALT + ' ')
    for i, (cmd, want) in enumerate(steps):
        if i + 1 >= len(pieces):
            sys.exit('cut short (%d s, %d bytes at most) before "%s":\n%s' % (DEADLINE, LIMIT, cmd, pieces[-1][-3000:]))
        status, lines = int(pieces[i + 1].split('\n', 1)[0]), (pieces[i] if i == 0 else pieces[i].split('\n', 1)[1]).split('\n')
        actual = lines[:-1] + ([lines[-1] + ' (no-eol)'] if lines[-1] else []) + (['[%d]' % status] if status else [])
        if actual != want:
            print('$ ' + cmd + '\n' + '\n'.join(difflib.unified_diff(want, actual, lineterm='')))
            failed = True
    return failed


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
