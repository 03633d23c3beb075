#pragma once

#include "platform/TextCodec.h"

#include <QString>

#include <string_view>

/// A name (a path, a game type) or one of the program's messages as text for a widget.
inline QString toDisplay(std::string_view bytes)
{
    return QString::fromStdString(platform::displayFromBytes(bytes));
}

/// Text from a widget as a name.
inline std::string fromDisplay(const QString& text)
{
    return platform::bytesFromDisplay(text.toStdString());
}
