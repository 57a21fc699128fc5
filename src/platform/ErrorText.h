#pragma once

#include <QString>
#include <system_error>

// A short Russian description of why a file operation failed.
QString describeError(const std::error_code& ec);
QString describeErrno(int errnoValue);
