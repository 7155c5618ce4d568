// The read-me shipped beside the program is opened by whatever program Windows has for
// ".txt" files, many of which still read only Shift_JIS with CR LF line ends.
#include "tests/support/iconv_codec.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace tarvok {
namespace {

TEST(ReadMe, IsShiftJisWithCrLfLineEnds) {
    std::ifstream file(TARVOK_SOURCE_DIR "/resources/お読み下さい.txt", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    ASSERT_GT(bytes.size(), 1000u);
    const test::IconvCodec codec;
    const std::string text = codec.decode(bytes);
    EXPECT_EQ(text.find("\xEF\xBF\xBD"), std::string::npos) << "a byte that is not Shift_JIS";
    EXPECT_EQ(codec.encode(text).value_or(""), bytes);
    EXPECT_NE(text.find("tarvok.ini"), std::string::npos);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "a bare LF at byte " << i;
        }
        if (bytes[i] == '\r') {
            ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "a bare CR at " << i;
        }
    }
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
}

} // namespace
} // namespace tarvok
