// The version stamp of the executable, read back by GetFileVersion. An allocated note section
// ends up in a PT_NOTE segment and survives strip.
#include <cstdint>

namespace {
struct VersionNote
{
    std::uint32_t namesz;
    std::uint32_t descsz;
    std::uint32_t type;
    char name[8];
    std::uint16_t version[4];
};
} // namespace

__attribute__((used, section(".note.tarvolo"), aligned(4))) const VersionNote tarvoloVersionNote = {
    8, 8, 0x54565201, "Tarvolo", {TARVOLO_V0, TARVOLO_V1, TARVOLO_V2, TARVOLO_V3}};
