#include "platform/TextCodec.h"

#include <gtest/gtest.h>

#ifndef _WIN32
// POSIX only: Windows shows bytes in its ANSI code page.
TEST(TextCodec, KeepsUtf8AndReadsOtherBytesAsWindows1252)
{
    using platform::displayFromBytes;
    EXPECT_EQ(displayFromBytes("Gr\xc3\xb6\xc3\x9f" "e"), "Gr\xc3\xb6\xc3\x9f" "e");
    EXPECT_EQ(displayFromBytes("Gr\xf6\xdf" "e"), "Gr\xc3\xb6\xc3\x9f" "e");
    EXPECT_EQ(displayFromBytes("\x80"), "\xe2\x82\xac");
    EXPECT_EQ(displayFromBytes("\xc3"), "\xc3\x83");        // a cut UTF-8 sequence is not UTF-8
    EXPECT_EQ(displayFromBytes("\xed\xa0\x80"), "\xc3\xad\xc2\xa0\xe2\x82\xac"); // nor a surrogate
    EXPECT_EQ(displayFromBytes(""), "");
}
#endif
