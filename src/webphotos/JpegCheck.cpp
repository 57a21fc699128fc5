#include "webphotos/JpegCheck.h"

#include <QIODevice>

namespace {

// Reads the device a chunk at a time; -1 at its end or on an error.
class ByteReader {
public:
    explicit ByteReader(QIODevice& device) : device_(device) {}

    int next() {
        if (at_ == size_) {
            size_ = device_.read(buffer_, sizeof buffer_);
            at_ = 0;
            if (size_ <= 0) {
                size_ = 0;
                return -1;
            }
        }
        return static_cast<unsigned char>(buffer_[at_++]);
    }

    // A segment's length without its two length bytes; -1 when malformed.
    int contentLength() {
        const int high = next();
        const int low = next();
        if (high < 0 || low < 0 || ((high << 8) | low) < 2)
            return -1;
        return ((high << 8) | low) - 2;
    }

    // false when the device ends first.
    bool skip(int count) {
        for (int i = 0; i < count; ++i)
            if (next() < 0)
                return false;
        return true;
    }

private:
    QIODevice& device_;
    char buffer_[1 << 16];
    qint64 size_ = 0;
    qint64 at_ = 0;
};

constexpr int Start = 0xD8;
constexpr int End = 0xD9;
constexpr int StartOfScan = 0xDA;

bool isRestart(int marker) {
    return marker >= 0xD0 && marker <= 0xD7;
}

// Start of frame: any but DHT (C4), JPG (C8) and DAC (CC).
bool isFrame(int marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool isProgressive(int marker) {
    return marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
}

// The frame header after its length: precision, height, width, then three
// bytes for each component with its sampling factors.
bool readFrame(ByteReader& bytes, int length, JpegFrame& frame) {
    int header[6];
    for (int& byte : header)
        if ((byte = bytes.next()) < 0)
            return false;
    frame.height = (header[1] << 8) | header[2];
    frame.width = (header[3] << 8) | header[4];
    const int count = header[5];
    if (frame.width == 0 || frame.height == 0 || count == 0 || length != 6 + 3 * count)
        return false;
    for (int i = 0; i < count; ++i) {
        bytes.next();
        const int sampling = bytes.next();
        const JpegFrame::Component component{sampling >> 4, sampling & 0x0F};
        if (bytes.next() < 0 || component.horizontal < 1 || component.horizontal > 4 ||
            component.vertical < 1 || component.vertical > 4)
            return false;
        frame.components.append(component);
    }
    return true;
}

} // namespace

std::optional<JpegFrame> completeJpegFrame(QIODevice& device) {
    ByteReader bytes(device);
    if (bytes.next() != 0xFF || bytes.next() != Start)
        return {};
    JpegFrame frame;
    int scans = 0;
    int marker = -1;
    while (true) {
        if (marker < 0) {
            // Between segments: a marker, after any fill bytes.
            if (bytes.next() != 0xFF)
                return {};
            do
                marker = bytes.next();
            while (marker == 0xFF);
        }
        if (marker < 0 || marker == 0 || marker == Start || isRestart(marker))
            return {};
        if (marker == End)
            return scans > 0 ? std::optional(frame) : std::nullopt;
        const int length = bytes.contentLength();
        if (length < 0)
            return {};
        if (isFrame(marker)) {
            // The decoder takes one frame only.
            if (!frame.components.isEmpty() || !readFrame(bytes, length, frame))
                return {};
            frame.buffered = isProgressive(marker);
            marker = -1;
            continue;
        }
        if (marker != StartOfScan) {
            if (!bytes.skip(length))
                return {};
            marker = -1;
            continue;
        }
        // A scan needs its frame; one of fewer components than the frame has
        // leaves the rest for later scans.
        const int components = length > 0 ? bytes.next() : -1;
        if (frame.components.isEmpty() || components < 0 || !bytes.skip(length - 1))
            return {};
        if (++scans > 1 || components < frame.components.size())
            frame.buffered = true;
        // Compressed data: a 0xFF byte is data when 0x00 follows, a restart
        // marker inside the scan, or else the next segment's marker.
        marker = -1;
        while (marker < 0) {
            int byte = bytes.next();
            if (byte < 0)
                return {};
            if (byte != 0xFF)
                continue;
            do
                byte = bytes.next();
            while (byte == 0xFF);
            if (byte < 0)
                return {};
            if (byte != 0 && !isRestart(byte))
                marker = byte;
        }
    }
}
