// A record's fields as a cloud server may hold them, written by anything: any text decodes or is refused
// without failing, each value decoded can be described, and what decodes is written and read back unchanged.
#include "FuzzCheck.h"
#include "kit/store/LocalCloudDatabase.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto fields = kit::decodeFields(text);
    if (!fields) return 0;
    for (const auto& [key, value] : *fields) (void)kit::description(value);
    FUZZ_CHECK(kit::decodeFields(kit::encodeFields(*fields)) == fields);
    return 0;
}
