#pragma once

// The fixed parts of a modern album's style sheet and script, as they are
// written into every album.
extern const char modernStyleRules[];
extern const char modernScriptText[];
