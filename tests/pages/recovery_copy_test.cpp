// The recovery copy reads back exactly what was written, and nothing else:
// a copy cut short, lengthened or of another kind is refused whole.
#include "pages/history/recovery_copy.h"

#include <gtest/gtest.h>

#include <span>

namespace vesk::history {
namespace {

std::span<const std::uint8_t> Bytes(const std::string& text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(RecoveryCopy, ListsAndTextReadBackAsWritten)
{
    NumberList result(5);
    result.ParseText("12345 00001 99999", 5);
    NumberList recycle(5);
    const std::string staging("明天 123\r\n\0x", 14); // any bytes, a NUL too
    const std::string bytes = RecoveryBytes(result, recycle, staging);
    auto read = ReadRecovery(Bytes(bytes));
    ASSERT_TRUE(read);
    ASSERT_EQ(read->result.Count(), 3u);
    EXPECT_EQ(read->result.Length(), 5);
    EXPECT_EQ(read->result.ToText(2), "99999");
    EXPECT_TRUE(read->recycle.IsEmpty());
    EXPECT_EQ(read->staging, staging);
    EXPECT_FALSE(read->IsEmpty());
}

TEST(RecoveryCopy, DamagedOrForeignBytesAreRefusedWhole)
{
    NumberList result(3);
    result.ParseText("123 456");
    const std::string bytes = RecoveryBytes(result, NumberList(3), "text");
    for (std::size_t cut = 0; cut < bytes.size(); ++cut)
        EXPECT_FALSE(ReadRecovery(Bytes(bytes.substr(0, cut)))) << "cut at " << cut;
    EXPECT_FALSE(ReadRecovery(Bytes(bytes + "x")));
    std::string foreign = bytes;
    foreign[0] = 'x';
    EXPECT_FALSE(ReadRecovery(Bytes(foreign)));
    EXPECT_TRUE(ReadRecovery(Bytes(bytes)));
}

} // namespace
} // namespace vesk::history
