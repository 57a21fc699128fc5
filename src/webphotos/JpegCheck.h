#pragma once

#include <QList>
#include <optional>

class QIODevice;

// What the frame header and the scans of a JPEG picture tell of its decoding.
struct JpegFrame {
    struct Component {
        int horizontal = 1, vertical = 1; // sampling factors, 1 to 4
    };
    int width = 0, height = 0;
    QList<Component> components;
    // Progressive, or in more than one scan: the decoder then holds the
    // coefficients of the whole picture, however small the picture it makes.
    bool buffered = false;
};

// Whether the device, read from where it stands, holds a whole JPEG picture:
// it begins as a JPEG does, its segments are well formed, one frame header
// with a width and a height comes before the scans, and the compressed picture
// data run on to the end-of-image marker. A decoder shows a cut-short file as a
// picture with a grey rest, and a picture of another format under a .jpg name
// may decode too; both are refused by this check. Data after the end marker
// (some cameras append their own) is allowed. The frame, when whole.
std::optional<JpegFrame> completeJpegFrame(QIODevice& device);
