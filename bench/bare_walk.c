/* The floor that the scan is measured against: a single-threaded walk that
 * reads each directory with readdir and queries each entry with one statx,
 * never following links, and prints the number of files and their bytes.
 *
 *     bare_walk FOLDER
 */
#define _GNU_SOURCE
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

static unsigned long long files, bytes;

static void walk(int fd) {
    DIR* dir = fdopendir(fd);
    if (dir == NULL) {
        close(fd);
        return;
    }
    struct dirent* d;
    while ((d = readdir(dir)) != NULL) {
        if (strcmp(d->d_name, ".") == 0 || strcmp(d->d_name, "..") == 0) continue;
        struct statx sx;
        const unsigned mask =
            STATX_TYPE | STATX_MODE | STATX_SIZE | STATX_ATIME | STATX_MTIME | STATX_BTIME;
        if (statx(dirfd(dir), d->d_name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, mask, &sx) != 0)
            continue;
        if (S_ISDIR(sx.stx_mode)) {
            int child =
                openat(dirfd(dir), d->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (child >= 0) walk(child);
        } else {
            files += 1;
            bytes += sx.stx_size;
        }
    }
    closedir(dir);
}

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: bare_walk FOLDER\n");
        return 2;
    }
    int fd = open(argv[1], O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        perror(argv[1]);
        return 1;
    }
    walk(fd);
    printf("%llu files, %llu bytes\n", files, bytes);
    return 0;
}
