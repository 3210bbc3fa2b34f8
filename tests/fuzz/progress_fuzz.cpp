// Any bytes as a progress file: the table read from it always has its 500 entries, and
// writing it back gives exactly the first 2000 bytes, zero-padded.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "progress_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const slcy::ProgressTable table = slcy::ProgressTableFromBytes(bytes);
    const QByteArray written = slcy::ProgressFileBytes(table);
    if (written.size() != 2000) std::abort();
    const std::size_t kept = size < 2000 ? size : 2000;
    if (std::memcmp(written.constData(), data, kept) != 0) std::abort();
    for (std::size_t i = kept; i < 2000; ++i)
        if (written[static_cast<qsizetype>(i)] != 0) std::abort();
    return 0;
}
