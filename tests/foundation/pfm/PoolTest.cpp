#include "foundation/pfm/Pool.h"

#include <gtest/gtest.h>

#include <string>

#include "foundation/ByteStream.h"
#include "foundation/FileError.h"
#include "foundation/Startup.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/StoreFileBuilder.h"
#include "foundation/pfm/StoreTestSupport.h"

namespace {

std::int32_t Add(Pool& pool, const std::string& text) {
    return pool.AddItem(text.data(), static_cast<std::uint32_t>(text.size()));
}

std::string Item(const Pool& pool, std::int32_t index) {
    std::string text(pool.ItemSize(index), '\0');
    pool.GetItem(text.data(), index, -1);
    return text;
}

std::vector<PieceHeader> Pieces(const Pool& pool) {
    std::vector<PieceHeader> pieces;
    for (std::int32_t i = 0; i < pool.FreePieces().Count(); ++i) pieces.push_back(pool.FreePieces().GetAt(i));
    return pieces;
}

TEST(Pool, ItemsAreAddedReadAndReplaced) {
    Pool pool(0, 4);
    EXPECT_TRUE(pool.HasFlags(Pool::kChanged));
    EXPECT_EQ(Add(pool, "alpha"), 0);
    EXPECT_EQ(Add(pool, "beta"), 1);
    EXPECT_EQ(Add(pool, ""), 2);
    EXPECT_EQ(Item(pool, 0), "alpha");
    EXPECT_EQ(Item(pool, 1), "beta");
    EXPECT_TRUE(pool.ItemExists(2));
    EXPECT_EQ(pool.ItemSize(2), 0u);
    EXPECT_EQ(pool.BlockSize(), 9u);

    char buffer[3] = {};
    EXPECT_EQ(pool.GetItem(buffer, 0, 3), 3u);
    EXPECT_EQ(std::string(buffer, 3), "alp");
    EXPECT_EQ(pool.GetItem(buffer, 7, -1), 0u);
    EXPECT_EQ(pool.ItemPtr(7), nullptr);

    ASSERT_EQ(pool.SetItem(1, "BE", 2), kNoErr);
    EXPECT_EQ(Item(pool, 1), "BE");
    EXPECT_EQ(Pieces(pool), (std::vector<PieceHeader>{{7, 2}}));

    std::int32_t index = -1;
    EXPECT_EQ(std::string(static_cast<char*>(pool.NextItem(index)), 5), "alpha");
    EXPECT_EQ(index, 0);
    pool.RemoveItem(0);
    index = -1;
    ASSERT_NE(pool.NextItem(index), nullptr);
    EXPECT_EQ(index, 1);
}

TEST(Pool, RemovedIndexesAndPlacesAreUsedAgain) {
    Pool pool(0, 4);
    for (const char* text : {"aaaa", "bbbb", "ccc", "dddd", "eeee"}) Add(pool, text);
    ASSERT_TRUE(pool.RemoveItem(2));
    EXPECT_FALSE(pool.ItemExists(2));
    EXPECT_EQ(pool.ItemSize(2), 0u);
    EXPECT_FALSE(pool.RemoveItem(2));
    EXPECT_EQ(Pieces(pool), (std::vector<PieceHeader>{{8, 3}}));
    EXPECT_EQ(Add(pool, "XYZ"), 2);
    EXPECT_EQ(pool.ItemPtr(2), static_cast<char*>(pool.ItemPtr(0)) + 8);
    EXPECT_TRUE(Pieces(pool).empty());
    EXPECT_EQ(Item(pool, 3), "dddd");
}

TEST(Pool, RemovingTheLastBytesShrinksTheBlock) {
    Pool pool(0, 4);
    Add(pool, "0123456789");
    Add(pool, "abc");
    Add(pool, "end");
    ASSERT_TRUE(pool.RemoveItem(1));
    EXPECT_EQ(Pieces(pool).size(), 1u);
    ASSERT_TRUE(pool.RemoveItem(2));
    EXPECT_EQ(pool.BlockSize(), 13u);
    EXPECT_EQ(pool.ItemCount(), 2);  // the last header went; the removed one before it stays
}

TEST(Pool, GrowingAnItemFreesItsOldPlace) {
    Pool pool(0, 4);
    Add(pool, "0123456789");
    Add(pool, "tail");
    ASSERT_EQ(pool.SetItem(0, "01234567890123456789", 20), kNoErr);
    EXPECT_EQ(Item(pool, 0), "01234567890123456789");
    EXPECT_EQ(Pieces(pool), (std::vector<PieceHeader>{{0, 10}}));
    EXPECT_EQ(Item(pool, 1), "tail");
}

TEST(Pool, ItemsCanBeMadeFromThePoolsOwnBytes) {
    // Making room grows the block, which may move it: bytes taken from it must survive that.
    Pool pool(0, 4);
    const std::int32_t first = Add(pool, "abcdefgh");
    const std::int32_t copy = pool.AddItem(pool.ItemPtr(first), 8);
    ASSERT_GE(copy, 0);
    EXPECT_EQ(Item(pool, copy), "abcdefgh");
    const std::int32_t grown = Add(pool, "x");
    ASSERT_EQ(pool.SetItem(grown, pool.ItemPtr(first), 8), kNoErr);
    EXPECT_EQ(Item(pool, grown), "abcdefgh");
    EXPECT_EQ(Item(pool, first), "abcdefgh");
}

TEST(Pool, TouchingFreePiecesBecomeOne) {
    for (bool firstFirst : {true, false}) {
        Pool pool(0, 4);
        Add(pool, "aaaa");
        Add(pool, "bbbb");
        Add(pool, "cccc");
        Add(pool, "keep");
        pool.RemoveItem(firstFirst ? 0 : 1);
        pool.RemoveItem(firstFirst ? 1 : 0);
        EXPECT_EQ(Pieces(pool), (std::vector<PieceHeader>{{0, 8}}));
        pool.RemoveItem(2);
        EXPECT_EQ(Pieces(pool), (std::vector<PieceHeader>{{0, 12}}));
    }
    // A piece freed between two free pieces joins both.
    Pool pool(0, 4);
    for (const char* text : {"aaaa", "bbbb", "cccc", "keep"}) Add(pool, text);
    pool.RemoveItem(0);
    pool.RemoveItem(2);
    EXPECT_EQ(Pieces(pool), (std::vector<PieceHeader>{{0, 4}, {8, 4}}));
    pool.RemoveItem(1);
    EXPECT_EQ(Pieces(pool), (std::vector<PieceHeader>{{0, 12}}));
    EXPECT_EQ(Add(pool, std::string(12, 'x')), 1);  // the whole run is one place again
    EXPECT_EQ(pool.BlockSize(), 16u);
}

TEST(Pool, FreePiecesNeverOutgrowTheirSizeField) {
    Pool pool(0, 4);
    const std::string big(Pool::kMaxItemSize, 'x');
    for (int i = 0; i < 3; ++i) Add(pool, big);
    Add(pool, "end");
    pool.RemoveItem(0);
    pool.RemoveItem(1);
    pool.RemoveItem(2);
    const std::vector<PieceHeader> pieces = Pieces(pool);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].size + pieces[1].size, 3 * Pool::kMaxItemSize);
}

TEST(Pool, RefusedChangesSayTheyWereRefused) {
    Pool pool(0, 4);
    Add(pool, "one");
    Add(pool, "two");
    pool.RemoveItem(0);
    EXPECT_EQ(pool.SetItem(0, "x", 1), kFileErr);
    EXPECT_EQ(pool.SetItem(9, "x", 1), kFileErr);
    const std::string tooLong(Pool::kMaxItemSize + 1, 'x');
    EXPECT_EQ(pool.SetItem(1, tooLong.data(), static_cast<std::uint32_t>(tooLong.size())), kFileErr);
    EXPECT_EQ(Add(pool, tooLong), -1);
    {
        ObjectLocker lock(&pool);
        EXPECT_TRUE(pool.IsLocked());
        EXPECT_EQ(pool.SetItem(1, "y", 1), kFileErr);
        pool.RemoveAll();
        EXPECT_EQ(Item(pool, 1), "two");
    }
    ASSERT_EQ(pool.SetItem(1, "y", 1), kNoErr);
    EXPECT_EQ(Item(pool, 1), "y");
    pool.RemoveAll();
    EXPECT_EQ(pool.ItemCount(), 0);
}

TEST(Pool, StoredFormFollowsTheTable) {
    Pool pool(0, 2);
    Add(pool, "ab");
    Add(pool, "cde");
    Add(pool, "f");
    pool.RemoveItem(1);
    ByteStream out;
    ASSERT_EQ(pool.WriteTo(out), kNoErr);
    const std::vector<std::uint8_t> expected = {
        0x01,                                                  // flags: changed
        0x00, 0x0C, 0x00, 0x06, 0x00, 0x00, 0x00, 0x03, 0x00,  // item headers: growth 12, size 6, 3
        0x00, 0x00, 0x00, 0x00, 0x00, 0x02,                    //   0: offset 0, 2 bytes
        0x00, 0x00, 0x00, 0x02, 0xFF, 0xFF,                    //   1: removed
        0x00, 0x00, 0x00, 0x05, 0x00, 0x01,                    //   2: offset 5, 1 byte
        0x00, 0x08, 0x00, 0x04, 0x00, 0x00, 0x00, 0x01, 0x00,  // free indexes: growth 8, size 4, 1
        0x00, 0x00, 0x00, 0x01,                                //   index 1
        0x00, 0x0C, 0x00, 0x06, 0x00, 0x00, 0x00, 0x01, 0x00,  // free pieces: 1
        0x00, 0x00, 0x00, 0x02, 0x00, 0x03,                    //   offset 2, 3 bytes
        0x00, 0x00, 0x00, 0x00, 0x00, 0x06, 'a',  'b',  'c',  'd', 'e', 'f'};
    EXPECT_EQ(out.Bytes(), expected);
    EXPECT_EQ(pool.GetFlattenedSize(), static_cast<std::int32_t>(expected.size()));

    ByteStream in(out.Bytes());
    Pool read(0, 4);
    ASSERT_EQ(read.ReadFrom(in), kNoErr);
    EXPECT_FALSE(read.HasFlags(Pool::kChanged));
    EXPECT_EQ(Item(read, 0), "ab");
    EXPECT_FALSE(read.ItemExists(1));
    EXPECT_EQ(Item(read, 2), "f");
    EXPECT_EQ(Add(read, "xyz"), 1);  // the free index and the free place came back too
    EXPECT_EQ(read.ItemPtr(1), static_cast<char*>(read.ItemPtr(0)) + 2);
}

TEST(Pool, CompactedPoolsStoreNoFreeBytes) {
    Pool pool(Pool::kCompactBeforeWriting, 4);
    Add(pool, "aaaa");
    Add(pool, "bbbbbb");
    Add(pool, "cc");
    Add(pool, "dddd");
    pool.RemoveItem(1);
    pool.SetItem(0, "A", 1);
    const std::int32_t predicted = pool.GetFlattenedSize();
    ByteStream out;
    ASSERT_EQ(pool.WriteTo(out), kNoErr);
    EXPECT_EQ(static_cast<std::int32_t>(out.Bytes().size()), predicted);
    EXPECT_TRUE(Pieces(pool).empty());
    EXPECT_EQ(pool.BlockSize(), 1u + 2 + 4);
    EXPECT_EQ(Item(pool, 0), "A");
    EXPECT_EQ(Item(pool, 2), "cc");
    EXPECT_EQ(Item(pool, 3), "dddd");
}

TEST(Pool, DamagedStoredPoolsAreRefused) {
    Pool pool(0, 4);
    Add(pool, "ab");
    Add(pool, "cd");
    pool.RemoveItem(0);
    ByteStream out;
    ASSERT_EQ(pool.WriteTo(out), kNoErr);
    const std::vector<std::uint8_t> good = out.Bytes();
    auto readDamaged = [&good](std::size_t at, std::uint8_t value) {
        std::vector<std::uint8_t> bytes = good;
        bytes[at] = value;
        ByteStream in(bytes);
        Pool damaged(0, 4);
        const ErrCode err = damaged.ReadFrom(in);
        EXPECT_EQ(damaged.ItemCount(), err == kNoErr ? 2 : 0);
        return err;
    };
    EXPECT_EQ(readDamaged(4, 0x07), kBadDataErr);             // item element size 7
    EXPECT_EQ(readDamaged(6, 0x7F), kBadDataErr);             // item count far beyond the bytes
    EXPECT_EQ(readDamaged(25, 0x10), kBadDataErr);            // item 1's offset past the block
    EXPECT_EQ(readDamaged(41, 0x01), kBadDataErr);            // the free index names a live item
    EXPECT_EQ(readDamaged(good.size() - 7, 0x40), kReadErr);  // the block's length past the end
    std::vector<std::uint8_t> cut(good.begin(), good.end() - 1);
    ByteStream in(cut);
    Pool shortPool(0, 4);
    EXPECT_EQ(shortPool.ReadFrom(in), kReadErr);
}

// The stored form of a pool with the given headers, free indexes, free pieces and block: also
// pools no pool would write.
std::vector<std::uint8_t> StoredPool(std::uint8_t flags, const std::vector<PieceHeader>& items,
                                     const std::vector<std::int32_t>& freeIndexes,
                                     const std::vector<PieceHeader>& pieces, const std::string& block) {
    ByteStream out;
    auto writeHeaders = [&out](const std::vector<PieceHeader>& headers) {
        out.WriteShort(24);
        out.WriteShort(6);
        out.WriteLong(static_cast<std::int32_t>(headers.size()));
        out.WriteByte(0);
        for (const PieceHeader& header : headers) {
            out.WriteLong(static_cast<std::int32_t>(header.offset));
            out.WriteShort(static_cast<std::int16_t>(header.size));
        }
    };
    out.WriteByte(flags);
    writeHeaders(items);
    out.WriteShort(16);
    out.WriteShort(4);
    out.WriteLong(static_cast<std::int32_t>(freeIndexes.size()));
    out.WriteByte(0);
    for (std::int32_t index : freeIndexes) out.WriteLong(index);
    writeHeaders(pieces);
    out.WriteShort(0);
    out.WriteLong(static_cast<std::int32_t>(block.size()));
    WriteExactly(out, block.data(), static_cast<std::uint32_t>(block.size()));
    return out.Bytes();
}

ErrCode ReadStored(const std::vector<std::uint8_t>& bytes) {
    ByteStream in(bytes);
    Pool pool(0, 4);
    return pool.ReadFrom(in);
}

TEST(Pool, PoolsWhoseBytesAreClaimedTwiceAreRefused) {
    // Item 0 at 0-1, item 1 removed, item 2 at 8-9; bytes 2-7 free.
    const std::vector<PieceHeader> items{{0, 2}, {0, Pool::kRemoved}, {8, 2}};
    const std::string block = "aa------cc";
    ASSERT_EQ(ReadStored(StoredPool(Pool::kCompactBeforeWriting, items, {1}, {{2, 3}, {5, 3}}, block)),
              kNoErr);

    const std::vector<std::vector<PieceHeader>> damagedPieces{
        {{5, 3}, {2, 3}},  // out of offset order
        {{2, 4}, {4, 4}},  // overlapping each other
        {{1, 3}},          // overlapping item 0
        {{2, 3}, {5, 0}},  // empty
    };
    for (const std::vector<PieceHeader>& pieces : damagedPieces)
        EXPECT_EQ(ReadStored(StoredPool(Pool::kCompactBeforeWriting, items, {1}, pieces, block)),
                  kBadDataErr);
    EXPECT_EQ(ReadStored(StoredPool(0, {{0, 2}, {0, Pool::kRemoved}, {1, 2}}, {1}, {{3, 5}}, block)),
              kBadDataErr);  // two items sharing a byte
    EXPECT_EQ(ReadStored(StoredPool(0, items, {1, 1}, {{2, 6}}, block)), kBadDataErr);  // a free index twice
}

using PoolStoreTest = StoreTest;

TEST_F(PoolStoreTest, PoolsLiveInSegments) {
    StartUp();  // registers the pool's object factory
    ASSERT_NE(PFMOpenFile(nullptr), nullptr);
    auto* pool = new Pool(0, 4);
    Add(*pool, "kept in");
    Add(*pool, "a segment");
    ASSERT_EQ(PFMAddSegment(FourCCOf("POOL"), 1, pool, 1, true), kNoErr);
    PFMCheckIn(pool);
    const FileRef ref = Ref("pool.fsf");
    ASSERT_EQ(PFMSaveFile(&ref), kNoErr);
    PFMCloseFile(nullptr);
    ASSERT_NE(PFMOpenFile(&ref), nullptr);
    auto* read = static_cast<Pool*>(PFMCheckOut(FourCCOf("POOL"), 1));
    ASSERT_NE(read, nullptr);
    EXPECT_TRUE(read->IsKindOf(Pool::kClassId));
    EXPECT_EQ(Item(*read, 0), "kept in");
    EXPECT_EQ(Item(*read, 1), "a segment");
    PFMCheckIn(read);
    ShutDown();
}

TEST_F(PoolStoreTest, ARefusedPoolStaysInTheFileAsItWas) {
    StartUp();
    // A pool that asks to be compacted before it is written, with overlapping free pieces.
    std::vector<std::uint8_t> stored{0, 0, 0, 9};
    const std::vector<std::uint8_t> pool =
        StoredPool(Pool::kCompactBeforeWriting, {{0, 2}}, {}, {{2, 6}, {4, 6}}, "aa--------");
    stored.insert(stored.end(), pool.begin(), pool.end());
    const std::string poolBytes(stored.begin(), stored.end());
    folder_.WriteFile("damaged.fsf",
                      StoreFileBytes({{FourCCOf("POOL"), 1, poolBytes, 0x1000},
                                      {FourCCOf("TEXT"), 1, std::string("\0\0\0\0\0\2ok", 8), 0x9000}}));
    const FileRef ref = Ref("damaged.fsf");
    ASSERT_NE(PFMOpenFile(&ref), nullptr);
    EXPECT_EQ(PFMCheckOut(FourCCOf("POOL"), 1), nullptr);
    EXPECT_EQ(PFMGetError(), kBadDataErr);

    MarkChanged(FourCCOf("TEXT"), 1);
    ASSERT_EQ(PFMSaveFile(nullptr), kNoErr);  // a full save copies the refused pool's bytes
    const FileLayout saved = ReadFileLayout(FileBytes("damaged.fsf"));
    ASSERT_EQ(saved.segments.size(), 2u);
    EXPECT_EQ(saved.segments[0].bytes, poolBytes);
    PFMCloseFile(nullptr);
    ShutDown();
}

}  // namespace
