// The store's declared interfaces: nothing implements them yet, so what they promise is that they
// can only be implemented, and that an implementation is destroyed whole through them.

#include <gtest/gtest.h>

#include <memory>
#include <type_traits>

#include "foundation/pfm/PFMFileWriter.h"
#include "foundation/pfm/PFMObj.h"

namespace {

static_assert(std::is_abstract_v<TPFMFileWriter> && std::has_virtual_destructor_v<TPFMFileWriter>);
static_assert(std::is_abstract_v<TPFMObj> && std::has_virtual_destructor_v<TPFMObj>);

class CountedObj : public TPFMObj {
public:
    explicit CountedObj(int& destroyed) : destroyed_(destroyed) {}
    ~CountedObj() override { ++destroyed_; }
    PFMSegmentKey GetKey() const override { return {FourCCOf("TEST"), 1}; }
    std::uint32_t GetStoredSize() const override { return 0; }
    ErrCode ReadFrom(IReadFile&) override { return 0; }
    ErrCode WriteTo(IWriteFile&) override { return 0; }
    bool IsChanged() const override { return false; }
    void SetChanged(bool) override {}

private:
    int& destroyed_;
};

TEST(PFMInterfaces, AnObjectIsDestroyedWholeThroughItsInterface) {
    int destroyed = 0;
    std::unique_ptr<TPFMObj> object = std::make_unique<CountedObj>(destroyed);
    object.reset();
    EXPECT_EQ(destroyed, 1);
}

}  // namespace
