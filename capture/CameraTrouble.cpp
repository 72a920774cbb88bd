#include "capture/CameraTrouble.h"

#include "app/ui/Ext.h"
#include "kit/base/Console.h"
#include "kit/base/Make.h"
#include "kit/layout/Constraint.h"
#include "kit/ui/Label.h"

#include <mutex>
#include <set>

namespace capture {
namespace {

void reportOnce(const std::string& line) {
    static std::mutex mutex;
    static std::set<std::string> told;
    {
        std::lock_guard lock(mutex);
        if (!told.insert(line).second) return;
    }
    kit::warn(line);
}

std::string sentence(std::string text) {
    if (!text.empty() && text.front() >= 'a' && text.front() <= 'z') text.front() = static_cast<char>(text.front() - 'a' + 'A');
    if (!text.empty() && text.back() != '.') text += '.';
    return text;
}

kit::AttributedString noticeText(const CameraTrouble& trouble) {
    kit::ParagraphStyle centred;
    centred.alignment = kit::TextAlignment::center;
    centred.lineSpacing = 3;
    kit::AttributedString text(trouble.title,
                               {kit::Font::system(21, kit::FontWeight::semibold), kit::Color::whiteColor(), centred});
    text.append("\n" + trouble.detail, {kit::Font::system(16), kit::Color::whiteColor().withAlpha(0.75), centred});
    return text;
}

} // namespace

CameraTrouble noCameraFound() {
    return {"No camera found",
            "Connect a webcam and open this tool again, or start Tinctura with TINCTURA_CAMERA=file:PICTURE to use a "
            "picture file as the camera."};
}

CameraTrouble cameraCannotBeOpened(const std::string& reason) {
    return {"The camera cannot be opened", sentence(reason)};
}

void showCameraTrouble(std::shared_ptr<kit::Label>& notice, kit::View& area, const CameraTrouble& trouble) {
    reportOnce(trouble.title + ". " + trouble.detail);
    if (!notice) {
        notice = kit::make<kit::Label>();
        notice->setNumberOfLines(0);
        notice->setLineBreakMode(kit::LineBreakMode::wordWrap);
        area.addSubview(notice);
        // The width of the area less 24 points a side, but no wider than reads well on a pad.
        app::anchorWithCenter(*notice, std::nullopt, std::nullopt, std::nullopt, std::nullopt, area.centerXAnchor(),
                              area.centerYAnchor());
        kit::layout::Constraint::activate(
            {notice->widthAnchor().lessThanOrEqualToConstant(460),
             notice->widthAnchor().lessThanOrEqualTo(area.widthAnchor(), -48),
             notice->widthAnchor().equalTo(area.widthAnchor(), -48)->withPriority(kit::layout::priority::high)});
    }
    notice->setAttributedText(noticeText(trouble));
}

} // namespace capture
