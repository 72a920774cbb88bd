#pragma once
// Where the tutorial videos live: the video service's app scheme and web watch page, and the id of
// each tutorial.
#include <optional>
#include <string>
#include <string_view>

namespace app::VideoLinks {

inline constexpr const char* appScheme = "tincturavideo";
inline constexpr const char* webHost = "videos.example.org";

// "<scheme>://<id>", or none when the id would not make a URL (empty, or characters a URL host
// cannot hold).
std::optional<std::string> appURL(std::string_view videoId);
// "https://<host>/watch?v=<id>" with the id percent-encoded; none for an empty id.
std::optional<std::string> webURL(std::string_view videoId);

// One 11-character id per tutorial.
namespace ids {
inline constexpr const char* dcwUsualUseCase = "tDcwUsual01";
inline constexpr const char* dcwImportColor = "tDcwImport1";
inline constexpr const char* dcwExportColor = "tDcwExport1";
inline constexpr const char* dcwSaveColorCombination = "tDcwSaveCc1";
inline constexpr const char* previewAsAChart = "tCcPreview1";
inline constexpr const char* ccExportColor = "tCcExport01";
inline constexpr const char* saveAsImage = "tCcSaveImg1";
inline constexpr const char* cpUsualUseCase = "tCpUsual001";
inline constexpr const char* openInDcw = "tCpOpenDcw1";
inline constexpr const char* icUsualUseCase = "tIcUsual001";
inline constexpr const char* cmUsualUseCase = "tCmUsual001";
inline constexpr const char* cmAsLedPanel = "tCmLedPane1";
inline constexpr const char* mixWithOtherColors = "tCmMixOthr1";
inline constexpr const char* arStencilUsualUseCase = "tArStencil1";
inline constexpr const char* contrastRatioUsualUseCase = "tCrUsual001";
} // namespace ids

} // namespace app::VideoLinks
