#pragma once
// The general pasteboard. Kept in memory unless a backend is plugged in (the window host plugs in the
// system clipboard).
#include <memory>
#include <optional>
#include <string>

namespace kit {

class PasteboardBackend {
public:
    virtual ~PasteboardBackend() = default;
    virtual std::optional<std::string> string() = 0;
    virtual void setString(const std::string& text) = 0;
};

class Pasteboard {
public:
    static Pasteboard& general();

    std::optional<std::string> string() const;
    void setString(const std::string& text);

    // Nothing restores the in-memory board.
    void setBackend(std::shared_ptr<PasteboardBackend> backend);

private:
    std::shared_ptr<PasteboardBackend> backend_;
};

} // namespace kit
