#!/usr/bin/python3
# A file system that takes at most 1000 bytes of each write, as network and
# FUSE mounts may: the writer must go on with the rest itself.
#
#   shortfs.py FOLDER MOUNTPOINT
#
# Mounts FOLDER's files at MOUNTPOINT and returns once they are there; it
# goes away with `umount MOUNTPOINT`. Mounting needs root, or a user and
# mount namespace of its own (unshare -rm).
import os
import sys
from fusepy import FUSE, Operations

class ShortWrites(Operations):
    def __init__(self, folder):
        self.folder = folder

    def path(self, name):
        return self.folder + name

    def getattr(self, name, fh=None):
        st = os.lstat(self.path(name))
        return {k: getattr(st, k) for k in ('st_mode', 'st_size', 'st_nlink', 'st_uid',
                                             'st_gid', 'st_atime', 'st_mtime', 'st_ctime')}

    def open(self, name, flags):
        return os.open(self.path(name), flags)

    def create(self, name, mode, fi=None):
        return os.open(self.path(name), os.O_RDWR | os.O_CREAT, mode)

    def read(self, name, size, offset, fh):
        return os.pread(fh, size, offset)

    def write(self, name, data, offset, fh):
        return os.pwrite(fh, data[:1000], offset)

    def truncate(self, name, length, fh=None):
        os.truncate(self.path(name), length)

    def release(self, name, fh):
        os.close(fh)

FUSE(ShortWrites(os.path.abspath(sys.argv[1])), sys.argv[2], direct_io=True)
