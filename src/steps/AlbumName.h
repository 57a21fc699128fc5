#pragma once

#include <QString>

// Why a typed album name cannot name a folder, or an empty string when it can.
// Refused: empty, "." or "..", any of / \ : * ? " < > |, control characters,
// and names longer than a folder name may be.
QString albumNameProblem(const QString& name);
