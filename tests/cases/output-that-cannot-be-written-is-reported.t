A full disk is reported with the system's reason, never taken for success.

  $ printf 'save\t/dev/full\n' > tiklora.txt
  $ printf 'w\nx\n' | tikvane | tail -n 1
  Could not write /dev/full: No space left on device
  $ printf 'tmap\t120\t4\t4\n' > tmap.txt
  $ printf 'rtm\nx\n' | tikvane | tail -n 1
  Could not write /dev/full: No space left on device

A file that cannot be created (a missing folder, a read-only folder: the
program runs as nobody there, since root may write anywhere):

  $ printf 'save\tno/such/folder/click.wav\n' > tiklora.txt
  $ printf 'w\nx\n' | tikvane | tail -n 1
  The requested filename does not exist!
  $ mkdir -m 555 locked; chmod 755 .; printf 'save\tlocked/click.wav\n' > tiklora.txt
  $ as_user() { if [ "$(id -u)" = 0 ]; then setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; else "$@"; fi; }
  $ printf 'w\nx\n' | as_user tikvane | tail -n 1; ls locked
  The requested filename does not exist!
