// Feeds arbitrary bytes to the Winners record reader. It must never read outside its input or
// the record, and a record it accepts must write back to bytes that hold the same fields.
#include "records/winners.h"
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace {

namespace fs = std::filesystem;

void Seed(const fs::path& file, const tc::Winnersrecord& r) {
    if (fs::exists(file)) return;
    const auto bytes = tc::Encodewinners(r);
    if (!bytes) return;
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes->data()),
              static_cast<std::streamsize>(bytes->size()));
}

} // namespace

// Every corpus folder named on the command line starts with an empty record and one holding
// entries, so the fuzzer begins from the real layout rather than from nothing.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    for (int i = 1; i < *argc; ++i) {
        const std::string arg = (*argv)[i];
        if (arg.empty() || arg[0] == '-') continue;
        const fs::path dir(arg);
        std::error_code ec;
        if (fs::exists(dir, ec) && !fs::is_directory(dir, ec)) continue; // an input to re-run
        fs::create_directories(dir, ec);
        if (ec) continue;
        tc::Winnersrecord empty;
        empty.Stamp = tc::Datetime::Make(2024, 1, 1, 12).Serial();
        Seed(dir / "seed-empty", empty);
        tc::Winnersrecord entries = empty;
        entries.Player[0] = "Ann";
        entries.Player[tc::Entryindex(703, 5)] = "fifteen chars!!";
        entries.Duration[0] = 30;
        entries.Attempt[0] = 5;
        entries.Average[0] = 5.25f;
        entries.Population[0] = 30001;
        Seed(dir / "seed-entries", entries);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const tc::Decodedrecord d = tc::Decodewinners({data, size});
    if (d.Fault != tc::Recordfault::None) return 0;
    const size_t used = d.Record.Size();
    if (used > static_cast<size_t>(tc::Recordlength) || used > size) std::abort();
    const auto bytes = tc::Encodewinners(d.Record);
    if (!bytes) std::abort(); // a record read whole always fits
    // The fields are the input's own bytes; only the padding may differ.
    if (std::memcmp(bytes->data(), data, used) != 0) std::abort();
    const tc::Decodedrecord again = tc::Decodewinners(*bytes);
    if (again.Fault != tc::Recordfault::None || again.Record.Size() != used) std::abort();
    return 0;
}
