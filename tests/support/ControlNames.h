#pragma once

// The design names of the wizard's controls, one namespace per window: what the
// tests, the benchmark and the screenshot tool find a control by. They are the
// object names desktop automation relies on, so they never change.

namespace Selection {
inline constexpr const char* drive = "Drive1";
inline constexpr const char* folders = "Dir1";
inline constexpr const char* files = "File1";
inline constexpr const char* folderPath = "Text1";
inline constexpr const char* albumName = "Text2";
inline constexpr const char* nameHint = "Label3";
inline constexpr const char* preview = "Image1";
inline constexpr const char* configure = "Command2";
inline constexpr const char* prepare = "Command3";
inline constexpr const char* generate = "Command4";
inline constexpr const char* about = "Command1";
inline constexpr const char* quit = "Command5";
} // namespace Selection

namespace Settings {
inline constexpr const char* thumbnails = "Check1";
inline constexpr const char* titlesFromNames = "Check2";
inline constexpr const char* keepFolder = "Check3";
inline constexpr const char* webPhotos = "Check4";
inline constexpr const char* choose = "Command1";
inline constexpr const char* prepare = "Command2";
} // namespace Settings

namespace Preparation {
inline constexpr const char* photoList = "List1";
inline constexpr const char* up = "Command5";
inline constexpr const char* down = "Command6";
inline constexpr const char* photo = "Image1";
inline constexpr const char* thumbnail = "Image2";
inline constexpr const char* title = "Text1";
inline constexpr const char* comment = "Text2";
inline constexpr const char* choose = "Command1";
inline constexpr const char* configure = "Command2";
inline constexpr const char* generate = "Command3";
inline constexpr const char* quit = "Command4";
} // namespace Preparation

namespace Generation {
inline constexpr const char* albumName = "Label1";
inline constexpr const char* firstTitle = "Label4";
inline constexpr const char* secondTitle = "Label5";
inline constexpr const char* backgroundCaption = "Label9";
inline constexpr const char* status = "Label10";
inline constexpr const char* firstPhoto = "Image1";
inline constexpr const char* secondPhoto = "Image2";
inline constexpr const char* description = "Text1";
inline constexpr const char* red = "VScroll1";
inline constexpr const char* green = "VScroll2";
inline constexpr const char* blue = "VScroll3";
inline constexpr const char* progress = "ProgressBar1";
inline constexpr const char* create = "Command1";
} // namespace Generation

namespace About {
inline constexpr const char* icon = "picIcon";
inline constexpr const char* title = "m1";
inline constexpr const char* version = "mVersion";
inline constexpr const char* description = "lblDescription";
inline constexpr const char* ok = "cmdOK";
} // namespace About
