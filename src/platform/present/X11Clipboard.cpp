#include "platform/present/X11Clipboard.h"

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <functional>

#include "platform/ui/Descriptors.h"

// Last: the X headers define names (None, Bool, Status) that other headers use otherwise.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace win {
namespace {

using Clock = std::chrono::steady_clock;

// How long the program owning the clipboard may take to answer.
constexpr auto kPatience = std::chrono::milliseconds(1000);
// Properties are read this many 32-bit units at a time.
constexpr long kChunkUnits = 1 << 16;
// More than this is never taken from another program.
constexpr std::size_t kMostBytes = std::size_t{1} << 28;

// Latin-1, the X "STRING" type, to and from UTF-8.
std::string Latin1ToUtf8(const std::vector<BYTE>& bytes) {
    std::string text;
    for (const BYTE byte : bytes) {
        if (byte < 0x80) {
            text += static_cast<char>(byte);
        } else {
            text += static_cast<char>(0xC0 | byte >> 6);
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

std::vector<BYTE> Utf8ToLatin1(const std::string& utf8) {
    std::vector<BYTE> bytes;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<BYTE>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        unsigned code = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k)
            code = code << 6 | (static_cast<BYTE>(utf8[i + k]) & 0x3F);
        bytes.push_back(code <= 0xFF ? static_cast<BYTE>(code) : static_cast<BYTE>('?'));
        i += length;
    }
    return bytes;
}

int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

class X11Clipboard final : public DesktopClipboard {
public:
    explicit X11Clipboard(Display* display);
    ~X11Clipboard() override;
    X11Clipboard(const X11Clipboard&) = delete;
    X11Clipboard& operator=(const X11Clipboard&) = delete;

    std::optional<std::string> Text() override;
    void SetText(const std::string& utf8) override;
    std::optional<DesktopImage> Image() override;
    void SetImage(const std::vector<DesktopImage>& image, const std::string& utf8) override;

private:
    // One form of what this program offers while it owns the clipboard.
    struct Offer {
        Atom target;
        Atom type;
        std::vector<BYTE> bytes;
    };
    // What was last read from another program: the picture it held, and who held it since when.
    struct LastPicture {
        Window owner = 0;
        Time since = 0;
        std::optional<DesktopImage> image;
    };

    Atom Intern(const char* name) { return XInternAtom(display_, name, False); }
    void HandlePending();
    void Handle(const XEvent& event);
    void Serve(const XSelectionRequestEvent& request);
    // Waits for an event that the test accepts, handling every other meanwhile; false when none
    // comes in time.
    bool WaitFor(const std::function<bool(const XEvent&)>& accepts, XEvent& found);
    // A time stamp from the server: the time of a change to a property of the window.
    Time ServerTime();
    void Own(std::vector<Offer> offers);
    const Offer* Offered(Atom target) const;
    void AddTextOffers(const std::string& utf8, std::vector<Offer>& offers) const;
    // What the owner of the clipboard gives for the target, with the type it says; none when it
    // refuses, holds nothing or takes too long.
    std::optional<std::vector<BYTE>> Convert(Atom target, Atom& type);
    std::optional<std::vector<BYTE>> Convert(Atom target);
    // The window property the owner put its answer in, read whole and deleted.
    std::optional<std::vector<BYTE>> TakeProperty(Atom& type, int& format);
    std::optional<std::vector<BYTE>> TakeIncrementally();
    // The targets the owner offers; none when it does not say.
    std::optional<std::vector<Atom>> OwnerTargets();

    Display* display_;
    Window window_;
    Atom clipboard_, targets_, timestamp_, incr_, utf8_, textPlain_, text_, property_, clock_;
    bool owning_ = false;
    Time ownedSince_ = CurrentTime;
    std::vector<Offer> offers_;
    LastPicture last_;
};

X11Clipboard::X11Clipboard(Display* display) : display_(display) {
    window_ = XCreateSimpleWindow(display_, DefaultRootWindow(display_), -10, -10, 1, 1, 0, 0, 0);
    XSelectInput(display_, window_, PropertyChangeMask);
    clipboard_ = Intern("CLIPBOARD");
    targets_ = Intern("TARGETS");
    timestamp_ = Intern("TIMESTAMP");
    incr_ = Intern("INCR");
    utf8_ = Intern("UTF8_STRING");
    textPlain_ = Intern("text/plain;charset=utf-8");
    text_ = Intern("TEXT");
    property_ = Intern("FABLECORE_CLIPBOARD");
    clock_ = Intern("FABLECORE_CLOCK");
    XFlush(display_);
    WatchDescriptor(ConnectionNumber(display_), [this] { HandlePending(); });
}

X11Clipboard::~X11Clipboard() {
    StopWatchingDescriptor(ConnectionNumber(display_));
    XDestroyWindow(display_, window_);
    XCloseDisplay(display_);
}

void X11Clipboard::HandlePending() {
    while (XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
        Handle(event);
    }
}

void X11Clipboard::Handle(const XEvent& event) {
    if (event.type == SelectionRequest) {
        Serve(event.xselectionrequest);
    } else if (event.type == SelectionClear && event.xselectionclear.selection == clipboard_) {
        owning_ = false;
        offers_.clear();
    }
}

bool X11Clipboard::WaitFor(const std::function<bool(const XEvent&)>& accepts, XEvent& found) {
    const auto until = Clock::now() + kPatience;
    for (;;) {
        while (XPending(display_) > 0) {
            XNextEvent(display_, &found);
            if (accepts(found)) return true;
            Handle(found);
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
        if (left <= 0) return false;
        pollfd connection{ConnectionNumber(display_), POLLIN, 0};
        ::poll(&connection, 1, static_cast<int>(left));
    }
}

Time X11Clipboard::ServerTime() {
    XChangeProperty(display_, window_, clock_, XA_INTEGER, 8, PropModeAppend, nullptr, 0);
    XEvent event;
    const bool told = WaitFor(
        [this](const XEvent& e) {
            return e.type == PropertyNotify && e.xproperty.window == window_ && e.xproperty.atom == clock_;
        },
        event);
    return told ? event.xproperty.time : CurrentTime;
}

void X11Clipboard::Own(std::vector<Offer> offers) {
    HandlePending();
    offers_ = std::move(offers);
    ownedSince_ = ServerTime();
    XSetSelectionOwner(display_, clipboard_, window_, ownedSince_);
    owning_ = XGetSelectionOwner(display_, clipboard_) == window_;
    if (!owning_) offers_.clear();
}

const X11Clipboard::Offer* X11Clipboard::Offered(Atom target) const {
    const auto found =
        std::find_if(offers_.begin(), offers_.end(), [target](const Offer& offer) { return offer.target == target; });
    return found != offers_.end() ? &*found : nullptr;
}

void X11Clipboard::AddTextOffers(const std::string& utf8, std::vector<Offer>& offers) const {
    if (utf8.empty()) return;
    const std::vector<BYTE> bytes(utf8.begin(), utf8.end());
    for (const Atom target : {utf8_, textPlain_, text_}) offers.push_back(Offer{target, utf8_, bytes});
    offers.push_back(Offer{XA_STRING, XA_STRING, Utf8ToLatin1(utf8)});
}

// Another program asks for what this one holds: the answer goes into the property it names, and it
// is told where the answer is (or that there is none). Its window may have gone meanwhile, so the
// errors of the answer are not the program's.
void X11Clipboard::Serve(const XSelectionRequestEvent& request) {
    XEvent event{};
    XSelectionEvent& reply = event.xselection;
    reply.type = SelectionNotify;
    reply.display = request.display;
    reply.requestor = request.requestor;
    reply.selection = request.selection;
    reply.target = request.target;
    reply.time = request.time;
    reply.property = None;
    // Old programs name no property: the target's name is the property then.
    const Atom property = request.property != None ? request.property : request.target;
    const bool current = request.time == CurrentTime || request.time >= ownedSince_;
    const auto largest = static_cast<std::size_t>(std::max(XExtendedMaxRequestSize(display_),
                                                           XMaxRequestSize(display_))) * 4 - 1024;
    XErrorHandler previous = XSetErrorHandler(IgnoreErrors);
    if (owning_ && request.selection == clipboard_ && current) {
        if (request.target == targets_) {
            std::vector<long> atoms{static_cast<long>(targets_), static_cast<long>(timestamp_)};
            for (const Offer& offer : offers_) atoms.push_back(static_cast<long>(offer.target));
            XChangeProperty(display_, request.requestor, property, XA_ATOM, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(atoms.data()), static_cast<int>(atoms.size()));
            reply.property = property;
        } else if (request.target == timestamp_) {
            const long since = static_cast<long>(ownedSince_);
            XChangeProperty(display_, request.requestor, property, XA_INTEGER, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(&since), 1);
            reply.property = property;
        } else if (const Offer* offer = Offered(request.target); offer && offer->bytes.size() <= largest) {
            XChangeProperty(display_, request.requestor, property, offer->type, 8, PropModeReplace,
                            offer->bytes.data(), static_cast<int>(offer->bytes.size()));
            reply.property = property;
        }
    }
    XSendEvent(display_, request.requestor, False, NoEventMask, &event);
    XSync(display_, False);
    XSetErrorHandler(previous);
}

std::optional<std::vector<BYTE>> X11Clipboard::TakeProperty(Atom& type, int& format) {
    std::vector<BYTE> bytes;
    for (long offset = 0;;) {
        unsigned long items = 0, after = 0;
        unsigned char* value = nullptr;
        if (XGetWindowProperty(display_, window_, property_, offset, kChunkUnits, False, AnyPropertyType, &type,
                               &format, &items, &after, &value) != Success)
            return std::nullopt;
        // Items of 32 bits come as longs, of 16 bits as shorts.
        const std::size_t itemSize = format == 32 ? sizeof(long) : format == 16 ? sizeof(short) : 1;
        if (value != nullptr) bytes.insert(bytes.end(), value, value + items * itemSize);
        XFree(value);
        if (type == None) return std::nullopt;
        if (after == 0) break;
        if (bytes.size() > kMostBytes) {
            XDeleteProperty(display_, window_, property_);
            return std::nullopt;
        }
        offset += static_cast<long>(items * static_cast<unsigned long>(format) / 32);
    }
    XDeleteProperty(display_, window_, property_);
    XFlush(display_);
    return bytes;
}

// A large answer comes in pieces: each piece is put in the property once the last was deleted,
// and an empty piece ends it.
std::optional<std::vector<BYTE>> X11Clipboard::TakeIncrementally() {
    std::vector<BYTE> whole;
    for (;;) {
        XEvent event;
        const bool put = WaitFor(
            [this](const XEvent& e) {
                return e.type == PropertyNotify && e.xproperty.window == window_ &&
                       e.xproperty.atom == property_ && e.xproperty.state == PropertyNewValue;
            },
            event);
        if (!put) return std::nullopt;
        Atom type = None;
        int format = 0;
        std::optional<std::vector<BYTE>> piece = TakeProperty(type, format);
        if (!piece) return std::nullopt;
        if (piece->empty()) return whole;
        whole.insert(whole.end(), piece->begin(), piece->end());
        if (whole.size() > kMostBytes) return std::nullopt;
    }
}

std::optional<std::vector<BYTE>> X11Clipboard::Convert(Atom target, Atom& type) {
    XDeleteProperty(display_, window_, property_);
    XConvertSelection(display_, clipboard_, target, property_, window_, CurrentTime);
    XEvent event;
    const bool answered = WaitFor(
        [&](const XEvent& e) {
            return e.type == SelectionNotify && e.xselection.requestor == window_ &&
                   e.xselection.selection == clipboard_ && e.xselection.target == target;
        },
        event);
    if (!answered || event.xselection.property == None) return std::nullopt;
    int format = 0;
    std::optional<std::vector<BYTE>> bytes = TakeProperty(type, format);
    if (bytes && type == incr_) return TakeIncrementally();
    return bytes;
}

std::optional<std::vector<BYTE>> X11Clipboard::Convert(Atom target) {
    Atom type = None;
    return Convert(target, type);
}

std::optional<std::vector<Atom>> X11Clipboard::OwnerTargets() {
    std::optional<std::vector<BYTE>> bytes = Convert(targets_);
    if (!bytes) return std::nullopt;
    std::vector<Atom> targets(bytes->size() / sizeof(long));
    for (std::size_t i = 0; i < targets.size(); ++i) {
        long atom = 0;
        std::memcpy(&atom, bytes->data() + i * sizeof(long), sizeof atom);
        targets[i] = static_cast<Atom>(atom);
    }
    return targets;
}

std::optional<std::string> X11Clipboard::Text() {
    HandlePending();
    if (owning_) {
        const Offer* offer = Offered(utf8_);
        return offer ? std::optional<std::string>(std::string(offer->bytes.begin(), offer->bytes.end()))
                     : std::nullopt;
    }
    if (XGetSelectionOwner(display_, clipboard_) == None) return std::nullopt;
    const std::optional<std::vector<Atom>> targets = OwnerTargets();
    if (!targets) return std::nullopt;
    const auto offers = [&](Atom target) { return std::find(targets->begin(), targets->end(), target) != targets->end(); };
    if (offers(utf8_)) {
        if (std::optional<std::vector<BYTE>> bytes = Convert(utf8_)) return std::string(bytes->begin(), bytes->end());
    }
    if (offers(XA_STRING)) {
        if (std::optional<std::vector<BYTE>> bytes = Convert(XA_STRING)) return Latin1ToUtf8(*bytes);
    }
    return std::nullopt;
}

void X11Clipboard::SetText(const std::string& utf8) {
    std::vector<Offer> offers;
    AddTextOffers(utf8, offers);
    Own(std::move(offers));
}

std::optional<DesktopImage> X11Clipboard::Image() {
    HandlePending();
    if (owning_) {
        for (const char* type : kDesktopImageTypes) {
            if (const Offer* offer = Offered(Intern(type))) return DesktopImage{type, offer->bytes};
        }
        return std::nullopt;
    }
    const Window owner = XGetSelectionOwner(display_, clipboard_);
    if (owner == None) {
        last_ = LastPicture{};
        return std::nullopt;
    }
    const std::optional<std::vector<Atom>> targets = OwnerTargets();
    if (!targets) return std::nullopt;
    for (const char* type : kDesktopImageTypes) {
        const Atom target = Intern(type);
        if (std::find(targets->begin(), targets->end(), target) == targets->end()) continue;
        // The same owner, holding the clipboard since the same moment, still holds the same picture.
        Time since = 0;
        if (std::optional<std::vector<BYTE>> stamp = Convert(timestamp_); stamp && stamp->size() >= sizeof(long)) {
            long value = 0;
            std::memcpy(&value, stamp->data(), sizeof value);
            since = static_cast<Time>(value);
        }
        if (since != 0 && owner == last_.owner && since == last_.since && last_.image) return last_.image;
        std::optional<std::vector<BYTE>> bytes = Convert(target);
        if (!bytes) continue;
        last_ = LastPicture{owner, since, DesktopImage{type, std::move(*bytes)}};
        return last_.image;
    }
    return std::nullopt;
}

void X11Clipboard::SetImage(const std::vector<DesktopImage>& image, const std::string& utf8) {
    std::vector<Offer> offers;
    for (const DesktopImage& picture : image) {
        const Atom target = Intern(picture.type.c_str());
        offers.push_back(Offer{target, target, picture.bytes});
    }
    AddTextOffers(utf8, offers);
    Own(std::move(offers));
}

}  // namespace

std::unique_ptr<DesktopClipboard> OpenX11Clipboard() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return nullptr;
    return std::make_unique<X11Clipboard>(display);
}

}  // namespace win
