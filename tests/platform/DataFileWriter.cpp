// The crash tests' child: writes one data file through the program's own writer.
//   data_file_writer KIND loop          says "ready" on stdout, then replaces the file with
//                                       version 1, 0, 1, ... until killed
//   data_file_writer KIND limit BYTES   writes version 1 with files limited to BYTES;
//                                       exits 0 when the writer reported the failure
#include "tests/platform/DataFileVersions.h"

#include <csignal>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

int main(int argc, char* argv[])
{
    if (argc < 3)
        return 2;
    const std::string kind = argv[1];
    const std::string mode = argv[2];
    if (mode == "loop") {
        // The parent times its kill from here, not from the program's start-up.
        if (::write(STDOUT_FILENO, "r", 1) != 1)
            return 3;
        for (int version = 1;; version = 1 - version)
            if (!DataFileVersions::Write(kind, version))
                return 3;
    }
    if (mode == "limit" && argc == 4) {
        // A full disk as the writer meets it: writes past the limit fail (EFBIG).
        std::signal(SIGXFSZ, SIG_IGN);
        const rlim_t bytes = std::strtoull(argv[3], nullptr, 10);
        const rlimit limit{bytes, bytes};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 4;
        return DataFileVersions::Write(kind, 1) ? 1 : 0;
    }
    return 2;
}
