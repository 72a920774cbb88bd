#include "colour/PredefinedCombinations.h"

namespace colour::CCs {
namespace {

struct Entry {
    const char* tag;
    int numberOfColors;
    const char* hex[4]; // the last ones past numberOfColors are kept, though not shown
};

constexpr Entry entries[] = {
    {"abstract", 3, {"82CFC1", "DF6755", "D1C099", "738CEB"}},
    {"abstract", 3, {"F4A9A5", "213958", "A2A7BB", "738CEB"}},
    {"abstract", 3, {"5BC2C3", "F8E0A0", "8790A6", "C69FA4"}},
    {"abstract", 3, {"F15E51", "D57087", "D2A69E", "738CEB"}},
    {"abstract", 3, {"88C2AA", "EED183", "DEA99C", "1A201C"}},
    {"abstract", 3, {"19BBCB", "6DB6A4", "F9E68F", "1A201C"}},
    {"abstract", 3, {"DDFA88", "ACCDBD", "537675", "D0492A"}},
    {"abstract", 3, {"11ADB0", "BE1E4E", "F0912E", "738CEB"}},
    {"abstract", 3, {"007D6F", "FA8427", "FFA800", "D0492A"}},
    {"abstract", 3, {"F91864", "137282", "D9AC00", "C64F51"}},
    {"abstract", 3, {"CCE7DB", "EC9090", "BA889B", "738CEB"}},
    {"abstract", 3, {"17B4A2", "ABC0D7", "A7B614", "738CEB"}},
    {"abstract", 3, {"697438", "DBC875", "2E3436", "444184"}},
    {"abstract", 3, {"2F9886", "E5D1B9", "E4A896", "738CEB"}},
    {"abstract", 3, {"DE4B1B", "A4BE95", "8AB2B7", "1A201C"}},
    {"abstract", 3, {"B9A6A7", "C7D16E", "F68D33", "D0492A"}},
    {"abstract", 3, {"D59FB7", "D1AE92", "FF5050", "D0492A"}},
    {"abstract", 3, {"E4DEB5", "85A179", "E0B43C", "D0492A"}},
    {"abstract", 3, {"FE635D", "D495A4", "738778", "D0492A"}},
    {"abstract", 3, {"78AA97", "FC1531", "DD7B4E", "D0492A"}},
    {"abstract", 3, {"D4D18A", "1C0D04", "93B3CC", "D0492A"}},
    {"abstract", 3, {"A3BE84", "B5DBC9", "719374", "B2886F"}},
    {"abstract", 3, {"E3735A", "6AACA3", "893804", "1A201C"}},
    {"abstract", 3, {"D71A38", "177568", "FDD8A1", "1A201C"}},
    {"abstract", 4, {"EBBAB9", "EBE6C7", "EBCF44", "EA72B8"}},
    {"abstract", 4, {"A6E0B1", "F87702", "F25E77", "F6132E"}},
    {"abstract", 4, {"6DDCCF", "776281", "153851", "E3CFA4"}},
    {"abstract", 4, {"2855B0", "B8D6E2", "F29CC3", "7CDCCB"}},
    {"abstract", 3, {"F6BAA6", "B1CFB7", "C5E6D4", "C64F51"}},
    {"abstract", 4, {"F98291", "CA86D6", "C51469", "7DC4B5"}},
    {"abstract", 3, {"C8411E", "49A188", "60AD99", "65B4A3"}},
    {"abstract", 4, {"8BD6D6", "EAA3A5", "03A79F", "0B2731"}},
    {"abstract", 3, {"F93FA9", "F9302B", "F5AF55", "738CEB"}},
    {"abstract", 4, {"0835CF", "F87585", "EA325B", "0286B8"}},
    {"abstract", 4, {"69C2E3", "61D290", "F9C6C1", "F33896"}},
    {"abstract", 4, {"E55F86", "231B1A", "D50F25", "43ADB0"}},
    {"abstract", 3, {"468F86", "051A28", "D2D1D2", "C64F51"}},
    {"abstract", 4, {"90BEA9", "AAB094", "4A211B", "C64F51"}},
    {"abstract", 3, {"F0D6D4", "E39AA7", "2E2F29", "C1AB7A"}},
    {"abstract", 3, {"D8B23B", "68AE73", "956521", "1B635D"}},
    {"abstract", 3, {"EAA9BC", "DDD265", "EC859E", "1B635D"}},
    {"abstract", 3, {"771071", "04AFEF", "1EEEF8", "1B635D"}},
    {"abstract", 3, {"65DAD8", "ACD9B0", "B6B642", "460100"}},
    {"abstract", 4, {"45C6E3", "2E4E7E", "0941AE", "1B635D"}},
    {"abstract", 3, {"DC1241", "F5BFF8", "F4C74C", "F4C74C"}},
    {"abstract", 3, {"991E3D", "0A193B", "F4782F", "018DE9"}},
    {"abstract", 3, {"BE134C", "F94BA3", "DEC256", "B20F42"}},
    {"abstract", 3, {"F8D702", "99AAD7", "23215D", "364188"}},
    {"abstract", 3, {"F797B7", "3ABEDC", "A6E5C3", "F9BE09"}},
    {"abstract", 3, {"D30D04", "E5C726", "627A1D", "5EDEF3"}},
    {"abstract", 3, {"E0669B", "BF0B13", "F44E09", "444184"}},
    {"abstract", 3, {"A44644", "064BA9", "F7EEC9", "444184"}},
    {"abstract", 3, {"BEE2D0", "2CAA6D", "444184", "444184"}},
    {"abstract", 4, {"442771", "C9C1DF", "200D34", "F1180B"}},
    {"abstract", 4, {"AB0F51", "C9CBDB", "5F1864", "F31438"}},
    {"abstract", 4, {"F3EEE6", "979502", "D50E00", "DAB400"}},
    {"abstract", 3, {"8FD8F0", "03C9D2", "16A0C8", "1B635D"}},
    {"abstract", 3, {"F8D10D", "8CCF98", "E294B4", "1B635D"}},
    {"abstract", 4, {"5F8E8C", "EDE0F0", "6A4463", "0081AD"}},
    {"abstract", 4, {"F9D342", "82D6EC", "6B819B", "CBA8A1"}},
    {"abstract", 4, {"D3632E", "63A5A8", "505C57", "5AADD2"}},
    {"abstract", 4, {"C19F3D", "BDCCDB", "7D784F", "7787CB"}},
    {"abstract", 2, {"E4405C", "9C6C9D", "D9FEEB", "3353CE"}},
    {"abstract", 3, {"EBAABE", "EC879F", "DDD473", "1A201C"}},
    {"abstract", 3, {"F35894", "F39025", "F8F1D7", "1A201C"}},
    {"abstract", 4, {"F83B11", "F37661", "F6A518", "55598A"}},
    {"abstract", 3, {"95300A", "1ACFC9", "E99C0D", "1A201C"}},
    {"digital", 3, {"161940", "6E9EFE", "FC85B4", "5FA5AE"}},
    {"digital", 4, {"FEB6D7", "B26D80", "FE9185", "FFD2B7"}},
    {"digital", 3, {"A2FCBD", "615564", "8C4B60", "5FA5AE"}},
    {"digital", 3, {"1E1F23", "F9F0C2", "FF797C", "6CCFF6"}},
    {"digital", 4, {"1F2B40", "E5DFE3", "E2B6B5", "64506D"}},
    {"digital", 3, {"9CFB91", "F37144", "256677", "5FA5AE"}},
    {"digital", 3, {"2B71D8", "FFC4E0", "FE5A59", "5FA5AE"}},
    {"digital", 4, {"F3E9E1", "E8A865", "DB5A68", "5B617E"}},
    {"digital", 4, {"C9283A", "7D2530", "FE4B65", "FF8035"}},
    {"digital", 3, {"044569", "FE3E06", "F8E010", "FF8035"}},
    {"digital", 3, {"33E5D0", "F499C0", "FFFF01", "FF8035"}},
    {"digital", 4, {"072243", "0E5385", "FDF5E2", "ED602D"}},
    {"digital", 4, {"33A5CA", "FDE3D0", "EDA1B5", "72D3B3"}},
    {"digital", 4, {"FFF9D1", "F9B7BC", "BDCDE2", "9ACA97"}},
    {"digital", 3, {"FFAFA8", "438BFB", "FE6363", "5FA5AE"}},
    {"digital", 4, {"173341", "F9C495", "152E82", "2C6981"}},
    {"digital", 3, {"F94D24", "0164A6", "F58998", "5FA5AE"}},
    {"digital", 3, {"FF9132", "FE3527", "039142", "5FA5AE"}},
    {"digital", 2, {"FFC287", "FF7B5C", "F58998", "5FA5AE"}},
    {"digital", 4, {"303E68", "0EABC8", "FBE49B", "FB979E"}},
    {"digital", 3, {"DF4124", "EB5F40", "F3937A", "5FA5AE"}},
    {"digital", 4, {"45595F", "79979A", "AE582A", "DD4A32"}},
    {"digital", 3, {"F3B297", "274894", "E76282", "5FA5AE"}},
    {"digital", 4, {"F7B584", "FEB349", "F66D25", "5FA5AE"}},
    {"digital", 4, {"353796", "44C8F5", "EEE65C", "FA494C"}},
    {"digital", 4, {"EC1658", "FF3DB8", "8BE3F1", "32579F"}},
    {"digital", 4, {"FEB2B0", "FCD823", "31E8D6", "FC414E"}},
    {"digital", 3, {"F9EB0A", "F074A5", "FB1200", "32C2C0"}},
    {"digital", 2, {"F5577F", "CEF359", "5F5A96", "32C2C0"}},
    {"digital", 4, {"F7C71D", "002300", "E5AB7D", "038F40"}},
    {"digital", 4, {"1E1F23", "F86E6C", "478DFE", "F6F3C2"}},
    {"digital", 4, {"56E2FA", "23B7A4", "94FEF6", "EBABD9"}},
    {"digital", 3, {"F9E08E", "9AE6FE", "ECA5D3", "32C2C0"}},
    {"digital", 3, {"1C1E22", "FE7675", "468CFE", "32C2C0"}},
    {"digital", 3, {"F3D383", "A1E5FF", "FC7373", "32C2C0"}},
    {"digital", 4, {"0372B1", "C764A7", "5F5A96", "32C2C0"}},
    {"digital", 4, {"FC4444", "FFD653", "FD9673", "BFDEBE"}},
    {"digital", 3, {"EC6E36", "84FA2B", "FE93C0", "96FB35"}},
    {"digital", 3, {"B7FDBB", "5C5DB0", "B424A8", "2C9496"}},
    {"digital", 3, {"A7DFCF", "F4F462", "DCFB62", "5FA5AE"}},
    {"digital", 3, {"F8E12A", "956B62", "FF9E30", "5FA5AE"}},
    {"digital", 3, {"D7D195", "D6E097", "F1D35A", "5FA5AE"}},
    {"digital", 3, {"FFFC4C", "FDA941", "E4602A", "5FA5AE"}},
    {"digital", 3, {"FDFDB6", "887B91", "8D6685", "5FA5AE"}},
    {"digital", 2, {"E4F696", "A79A8F", "FC85B4", "5FA5AE"}},
    {"digital", 2, {"B8FEE8", "AAF960", "FC85B4", "5FA5AE"}},
    {"digital", 3, {"DAB692", "E66833", "A07E8C", "5FA5AE"}},
    {"digital", 2, {"B4F5AD", "7F7536", "FC85B4", "5FA5AE"}},
    {"digital", 2, {"9DFCAE", "EFD346", "FC85B4", "5FA5AE"}},
    {"digital", 3, {"CCE9E6", "F3F3AB", "F7F72C", "5FA5AE"}},
    {"digital", 3, {"F1A7D5", "9BA0D5", "A7FCB4", "5FA5AE"}},
    {"digital", 2, {"92FDC0", "E4EC47", "F7F72C", "5FA5AE"}},
    {"digital", 2, {"EAA83C", "95AB3C", "F7F72C", "5FA5AE"}},
    {"digital", 3, {"FFFCB9", "624042", "7A7084", "5FA5AE"}},
    {"digital", 3, {"FACA50", "FAFB56", "D6FCB9", "5FA5AE"}},
    {"digital", 3, {"334C8A", "EDBB00", "FBE922", "5FA5AE"}},
    {"digital", 4, {"F25135", "1D5499", "008437", "FACE27"}},
    {"digital", 3, {"3CE0C6", "B32BB6", "FB2B49", "5FA5AE"}},
    {"digital", 3, {"FF8965", "F1793D", "FBBD17", "5FA5AE"}},
    {"digital", 4, {"3DD8F3", "ECAADB", "448CFE", "FB7E7C"}},
};

kit::Color opaque(const char* hex) {
    auto byte = [&](int i) {
        auto digit = [](char c) { return c <= '9' ? c - '0' : c - 'A' + 10; };
        return static_cast<double>(digit(hex[i]) * 16 + digit(hex[i + 1])) / 255;
    };
    return kit::Color::rgba(byte(0), byte(2), byte(4), 1);
}

} // namespace

const std::vector<ColorCombination>& predefinedCombinations() {
    static const std::vector<ColorCombination> all = [] {
        std::vector<ColorCombination> out;
        out.reserve(std::size(entries));
        for (const Entry& e : entries)
            out.push_back({e.numberOfColors, e.tag, false, opaque(e.hex[0]), opaque(e.hex[1]),
                           opaque(e.hex[2]), opaque(e.hex[3]), -1});
        return out;
    }();
    return all;
}

} // namespace colour::CCs
