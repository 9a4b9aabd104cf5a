#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# A class share that can fail as a school's server does: a pass-through FUSE
# file system over a folder, whose every call answers normally, hangs (an NFS
# hard mount, a server gone silent) or fails with EIO, as the first word of a
# switch file says ("normal", "bloque", "eio"), read again at every call.
# usage: partage_en_panne.py FOLDER MOUNT_POINT SWITCH_FILE
import errno
import os
import sys
import time

from fusepy import FUSE, FuseOSError, Operations


class EnPanne(Operations):
    def __init__(self, dossier, interrupteur):
        self.dossier = dossier
        self.interrupteur = interrupteur

    def etat(self):
        try:
            with open(self.interrupteur) as f:
                return f.read().split()[0]
        except (OSError, IndexError):
            return "normal"

    def __call__(self, op, chemin, *args):
        # A hung call stays hung until the switch says otherwise.
        while self.etat() == "bloque":
            time.sleep(0.1)
        if self.etat() == "eio":
            raise FuseOSError(errno.EIO)
        return super().__call__(op, self.dossier + chemin, *args)

    def getattr(self, chemin, fh=None):
        st = os.lstat(chemin)
        return {k: getattr(st, k) for k in ("st_mode", "st_size", "st_uid", "st_gid", "st_nlink",
                                             "st_atime", "st_mtime", "st_ctime")}

    def readdir(self, chemin, fh):
        return [".", ".."] + os.listdir(chemin)

    def open(self, chemin, flags):
        return os.open(chemin, flags)

    def create(self, chemin, mode, fi=None):
        return os.open(chemin, os.O_WRONLY | os.O_CREAT | os.O_TRUNC, mode)

    def read(self, chemin, taille, decalage, fh):
        return os.pread(fh, taille, decalage)

    def write(self, chemin, donnees, decalage, fh):
        return os.pwrite(fh, donnees, decalage)

    def truncate(self, chemin, longueur, fh=None):
        os.truncate(chemin, longueur)

    def release(self, chemin, fh):
        os.close(fh)

    def flush(self, chemin, fh):
        return 0

    def fsync(self, chemin, datasync, fh):
        os.fsync(fh)

    def readlink(self, chemin):
        return os.readlink(chemin)

    def mkdir(self, chemin, mode):
        os.mkdir(chemin, mode)

    def rmdir(self, chemin):
        os.rmdir(chemin)

    def unlink(self, chemin):
        os.unlink(chemin)

    def rename(self, ancien, nouveau):
        os.rename(ancien, self.dossier + nouveau)

    def chmod(self, chemin, mode):
        os.chmod(chemin, mode)

    def chown(self, chemin, uid, gid):
        os.chown(chemin, uid, gid)

    def utimens(self, chemin, temps=None):
        os.utime(chemin, temps)

    def access(self, chemin, mode):
        if not os.access(chemin, mode):
            raise FuseOSError(errno.EACCES)

    def statfs(self, chemin):
        st = os.statvfs(chemin)
        return {k: getattr(st, k) for k in ("f_bavail", "f_bfree", "f_blocks", "f_bsize", "f_favail",
                                             "f_ffree", "f_files", "f_flag", "f_frsize", "f_namemax")}


if __name__ == "__main__":
    dossier, point, interrupteur = sys.argv[1:4]
    # Nothing kept by the kernel: every look reaches the switch.
    FUSE(EnPanne(os.path.abspath(dossier), os.path.abspath(interrupteur)), point, foreground=True,
         nothreads=False, attr_timeout=0, entry_timeout=0, negative_timeout=0, direct_io=True)
