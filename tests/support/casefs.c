/* A file system for tests that finds names whatever their letter case, as
 * exFAT and FAT sticks do: every name of a path is looked up as written,
 * else as the first entry of its folder that matches it ignoring ASCII case.
 * New names keep the case they are given. Inode numbers are FUSE's own, one
 * per spelling, as such file systems give them.
 *   sondrel-casefs BACKING_FOLDER MOUNT_POINT */
#define FUSE_USE_VERSION 31
#define _GNU_SOURCE
#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <fuse.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

static char backing[PATH_MAX];

/* The backing path of `path`, each existing name in the case it is stored
 * with; a last name that does not exist keeps its own case. */
static void Real(const char* path, char* out) {
  snprintf(out, PATH_MAX, "%s", backing);
  char copy[PATH_MAX];
  snprintf(copy, sizeof copy, "%s", path);
  for (char *save = NULL, *name = strtok_r(copy, "/", &save); name; name = strtok_r(NULL, "/", &save)) {
    size_t length = strlen(out);
    snprintf(out + length, PATH_MAX - length, "/%s", name);
    struct stat info;
    if (lstat(out, &info) == 0) continue;
    out[length] = '\0';
    DIR* dir = opendir(out);
    const char* found = name;
    struct dirent* item;
    while (dir && (item = readdir(dir)))
      if (strcasecmp(item->d_name, name) == 0) { found = item->d_name; break; }
    snprintf(out + length, PATH_MAX - length, "/%s", found);
    if (dir) closedir(dir);
  }
}

#define REAL(var, path) char var[PATH_MAX]; Real(path, var)
#define CHECK(call) return (call) == -1 ? -errno : 0

static int Getattr(const char* p, struct stat* s, struct fuse_file_info* f) { (void)f; REAL(r, p); CHECK(lstat(r, s)); }
static int Mkdir(const char* p, mode_t m) { REAL(r, p); CHECK(mkdir(r, m)); }
static int Unlink(const char* p) { REAL(r, p); CHECK(unlink(r)); }
/* Hard links are refused, as such file systems refuse them. */
static int Link(const char* from, const char* to) { (void)from; (void)to; return -EPERM; }
static int Rename(const char* from, const char* to, unsigned int flags) {
  REAL(a, from); REAL(b, to);
  CHECK(renameat2(AT_FDCWD, a, AT_FDCWD, b, flags));
}
static int Create(const char* p, mode_t m, struct fuse_file_info* f) {
  REAL(r, p);
  int fd = open(r, f->flags, m);
  if (fd < 0) return -errno;
  f->fh = (uint64_t)fd;
  f->direct_io = 1;
  return 0;
}
static int Open(const char* p, struct fuse_file_info* f) { return Create(p, 0, f); }
static int Read(const char* p, char* b, size_t n, off_t o, struct fuse_file_info* f) {
  (void)p; ssize_t done = pread((int)f->fh, b, n, o); return done < 0 ? -errno : (int)done;
}
static int Write(const char* p, const char* b, size_t n, off_t o, struct fuse_file_info* f) {
  (void)p; ssize_t done = pwrite((int)f->fh, b, n, o); return done < 0 ? -errno : (int)done;
}
static int Release(const char* p, struct fuse_file_info* f) { (void)p; close((int)f->fh); return 0; }
static int Readdir(const char* p, void* buffer, fuse_fill_dir_t fill, off_t o, struct fuse_file_info* f,
                   enum fuse_readdir_flags flags) {
  (void)o; (void)f; (void)flags;
  REAL(r, p);
  DIR* dir = opendir(r);
  if (!dir) return -errno;
  struct dirent* item;
  while ((item = readdir(dir))) fill(buffer, item->d_name, NULL, 0, 0);
  closedir(dir);
  return 0;
}

static const struct fuse_operations kOperations = {
    .getattr = Getattr, .mkdir = Mkdir, .unlink = Unlink, .rename = Rename, .link = Link,
    .open = Open, .read = Read, .write = Write, .release = Release, .readdir = Readdir,
    .create = Create,
};

int main(int argc, char** argv) {
  if (argc != 3 || !realpath(argv[1], backing)) {
    fprintf(stderr, "usage: sondrel-casefs BACKING_FOLDER MOUNT_POINT\n");
    return 2;
  }
  /* No caching in the kernel: two spellings are two entries there, and a
   * rename onto one must not leave the other's old size and bytes cached. */
  char* args[] = {argv[0], argv[2], "-o",
                  "default_permissions,entry_timeout=0,attr_timeout=0,negative_timeout=0",
                  NULL};
  return fuse_main(4, args, &kOperations, NULL);
}
