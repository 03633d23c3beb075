#pragma once

#include "platform/TextCodec.h"

#include <QString>

#include <string_view>

/// Bytes from files and paths as text for a widget.
inline QString toDisplay(std::string_view bytes)
{
    return QString::fromStdString(platform::displayFromBytes(bytes));
}

/// Text from a widget as the bytes of a path or file.
inline std::string fromDisplay(const QString& text)
{
    return platform::bytesFromDisplay(text.toStdString());
}
