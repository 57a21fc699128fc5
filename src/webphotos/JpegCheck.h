#pragma once

class QIODevice;

// Whether the device, read from where it stands, holds a whole JPEG picture:
// it begins as a JPEG does, its segments are well formed, and the compressed
// picture data run on to the end-of-image marker. A decoder shows a cut-short
// file as a picture with a grey rest, and a picture of another format under a
// .jpg name may decode too; both are refused by this check. Data after the end
// marker (some cameras append their own) is allowed.
bool isCompleteJpeg(QIODevice& device);
