// The floor of reading the log: an 11000-line log.txt read() into one buffer and split into its
// values with memchr, in plain C++ (no Qt strings, no conversion of any value). Speed budgets of
// the program's loaders are stated as multiples of this figure.
#include <benchmark/benchmark.h>

#include "LogFixture.h"

#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Reads the whole file at `path` into `buf`; false when it cannot be read.
bool readFile(const char* path, std::vector<char>& buf)
{
    const int fd = ::open(path, O_RDONLY);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return false;
    }
    buf.resize(static_cast<size_t>(st.st_size));
    size_t got = 0;
    while (got < buf.size()) {
        const ssize_t n = ::read(fd, buf.data() + got, buf.size() - got);
        if (n <= 0)
            break;
        got += static_cast<size_t>(n);
    }
    ::close(fd);
    buf.resize(got);
    return true;
}

}   // namespace

static void Yardstick(benchmark::State& state)
{
    LogFixture log;
    const QByteArray path = log.path().toLocal8Bit();
    int values = 0;
    for (auto _ : state) {
        std::vector<char> buf;
        if (!readFile(path.constData(), buf)) {
            state.SkipWithError("log.txt could not be read");
            break;
        }
        values = 0;
        const char* p = buf.data();
        const char* const end = p + buf.size();
        while (p < end) {
            const char* eol = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)));
            if (!eol)
                eol = end;
            const char* lineEnd = eol > p && eol[-1] == '\r' ? eol - 1 : eol;
            // Each value is the span up to the next comma; the fixture's texts hold no comma.
            const char* v = p;
            for (;;) {
                const char* comma = static_cast<const char*>(std::memchr(v, ',', size_t(lineEnd - v)));
                const char* vEnd = comma ? comma : lineEnd;
                benchmark::DoNotOptimize(v);
                benchmark::DoNotOptimize(vEnd);
                ++values;
                if (!comma)
                    break;
                v = comma + 1;
            }
            p = eol + 1;
        }
    }
    if (values != LogFixture::Records * 19)
        state.SkipWithError("the log did not split into 19 values a line");
    state.SetBytesProcessed(state.iterations() * log.bytes());
}
BENCHMARK(Yardstick)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
