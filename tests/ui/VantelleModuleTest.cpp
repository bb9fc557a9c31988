// The module service as another plug-in uses it: made by its class, sent ModuleRequest records
// laid out by the public header, its results and outputs read back from the caller's memory.
// The flows themselves run end to end in the session scripts; here are the caller's edge cases.
#include <cstring>

#include "CreateObject.h"
#include "IVantelleModule.h"
#include "tagdata/AssignFixture.h"
#include "ui/TagDataFrameDialog.h"

namespace {

typedef uint8 Str255[256];

std::string FromStr255(const Str255& s) {
  return PMString(PlatformEncoding::Decode(reinterpret_cast<const char*>(s + 1), s[0]))
      .GetUTF8String();
}

class VantelleModuleTest : public AssignFixture {
 protected:
  void SetUp() override {
    AssignFixture::SetUp();
    fModule.reset(static_cast<IVantelleModule*>(
        CreateObject(kVantelleModuleBoss, IVantelleModule::kDefaultIID)));
    ASSERT_TRUE(fModule);
  }
  void TearDown() override {
    fModule.reset();
    AssignFixture::TearDown();
  }

  int32 Send(int32 selector, ModuleRequestParams* params) {
    ModuleRequest request;
    std::memset(&request, 0x5A, sizeof request);
    request.selector = selector;
    request.params = params;
    fModule->ProcessRequest(&request);
    return request.result;
  }

  // Request 1352 with every output given; each buffer holds "prev" before.
  struct Description {
    int32 result;
    int16 flag = 7;
    Str255 frameID, typeName, scopeName, name;
  };
  Description Describe(UIDRef target) {
    Description d;
    for (Str255* s : {&d.frameID, &d.typeName, &d.scopeName, &d.name})
      PMString("prev").GetPString(*s, 256);
    ModuleRequestParams params = {};
    params.arg1 = &target;
    params.arg2 = &d.flag;
    params.arg3 = d.frameID;
    params.arg4 = d.typeName;
    params.arg5 = d.scopeName;
    params.arg6 = d.name;
    d.result = Send(kRequestDescribeDataFrame, &params);
    return d;
  }

  InterfacePtr<IVantelleModule> fModule;
};

TEST_F(VantelleModuleTest, SelectorsWithoutAFlowAnswerMinus1018AndTouchNothing) {
  const UID frame = DataFrame(Page(0), "labels", "page", "a:1");
  UIDRef target = Ref(frame);
  for (int32 selector : {1349, 1355, 0, -1, INT32_MIN}) {
    uint8 scratch[64];
    std::memset(scratch, 0xC3, sizeof scratch);
    ModuleRequestParams params;
    std::memset(&params, 0xA5, sizeof params);
    params.arg1 = &target;
    for (void** arg : {&params.arg2, &params.arg3, &params.arg4, &params.arg5, &params.arg6,
                       &params.arg7, &params.arg8}) {
      *arg = scratch;
    }
    const ModuleRequestParams before = params;
    EXPECT_EQ(Send(selector, &params), kModuleRequestUnknownSelector) << selector;
    EXPECT_EQ(std::memcmp(&params, &before, sizeof params), 0) << selector;
    for (uint8 byte : scratch) ASSERT_EQ(byte, 0xC3) << selector;
    EXPECT_EQ(Send(selector, nullptr), kModuleRequestUnknownSelector) << selector;
  }
  EXPECT_EQ(Entries(frame), "a=1") << "the data frame is unchanged";
  fModule->ProcessRequest(nullptr);  // ignored
}

TEST_F(VantelleModuleTest, DescribeWritesFlagIDAndDisplayNamesIntoTheCallersBuffers) {
  const UID frame = TextFrame(
      Page(0), "frame", "<dataframe type=\"mfgindex\" scope=\"spread\" name=\"Makers\"/>\rAcme");
  Mark(frame, "ID-\xC3\xA9");
  const UID unnamed = TextFrame(Page(0), "frame", "<dataframe type=\"auxkeys\" scope=\"global\"/>");
  Mark(unnamed, "");

  const struct {
    const char* what;
    UIDRef target;
    int16 flag;
    const char *frameID, *typeName, *scopeName, *name;
  } cases[] = {
      {"a data frame", Ref(frame), 1, "ID-\xC3\xA9", "Ormandy Mfg Entries", "Spread", "Makers"},
      {"an empty frame ID and no name", Ref(unnamed), 1, "prev", "Auxiliary Search Keys", "Global",
       ""},
      {"the invalid reference", kInvalidUIDRef, 0, "prev", "Unknown", "Unknown", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Description d = Describe(c.target);
    EXPECT_EQ(d.result, 0);
    EXPECT_EQ(d.flag, c.flag);
    EXPECT_EQ(FromStr255(d.frameID), c.frameID);
    EXPECT_EQ(FromStr255(d.typeName), c.typeName);
    EXPECT_EQ(FromStr255(d.scopeName), c.scopeName);
    EXPECT_EQ(FromStr255(d.name), c.name);
  }
}

TEST_F(VantelleModuleTest, DescribeWritesOnlyWhatItIsGiven) {
  UIDRef target = Ref(DataFrame(Page(0), "labels", "page", ""));
  Str255 buffer;
  PMString("prev").GetPString(buffer, 256);
  int16 flag = 7;
  ModuleRequestParams noFlag = {}, flagOnly = {}, noTarget = {};
  noFlag.arg1 = flagOnly.arg1 = &target;
  noFlag.arg3 = noFlag.arg4 = noFlag.arg5 = noFlag.arg6 = buffer;
  flagOnly.arg2 = noTarget.arg2 = &flag;
  noTarget.arg4 = buffer;

  EXPECT_EQ(Send(kRequestDescribeDataFrame, &noFlag), 0);
  EXPECT_EQ(FromStr255(buffer), "prev") << "without arg2 nothing is written";
  EXPECT_EQ(Send(kRequestDescribeDataFrame, nullptr), 0);
  EXPECT_EQ(Send(kRequestDescribeDataFrame, &flagOnly), 0);
  EXPECT_EQ(flag, 1);
  EXPECT_EQ(Send(kRequestDescribeDataFrame, &noTarget), 0);
  EXPECT_EQ(flag, 0);
  EXPECT_EQ(FromStr255(buffer), "Unknown");
}

TEST_F(VantelleModuleTest, ReadDataFramesHandsTheCallerABlockToFreeOrClearsTheOutputs) {
  DataFrame(Page(0), "labels", "page", "Size:12");
  UIDRef target = Ref(TextFrame(Page(0)));
  UIDRef invalid = kInvalidUIDRef;
  int16 type = kDataFrameTypeLabels;
  const struct {
    const char* what;
    void* arg1;
    void* arg2;
    int32 result;
  } cases[] = {
      {"valid", &target, &type, 0},
      {"invalid target", &invalid, &type, 1},
      {"no target", nullptr, &type, 1},
      {"no type", &target, nullptr, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    void* block = this;
    uint32 size = 99;
    ModuleRequestParams params = {};
    params.arg1 = c.arg1;
    params.arg2 = c.arg2;
    params.arg3 = &block;
    params.arg4 = &size;
    const uint64 liveBefore = Memory()->LiveBlocks();
    EXPECT_EQ(Send(kRequestReadDataFrames, &params), c.result);
    if (c.result == 0) {
      ASSERT_NE(block, nullptr);
      EXPECT_EQ(Memory()->LiveBlocks(), liveBefore + 1) << "the block is all that is left behind";
      EXPECT_EQ(Memory()->Size(block), size);
      EXPECT_EQ(EntryWords(block, size), "Size=12");
    } else {
      EXPECT_EQ(block, nullptr);
      EXPECT_EQ(size, 0u);
    }
  }
  EXPECT_EQ(Send(kRequestReadDataFrames, nullptr), 1);

  uint32 size = 99;
  ModuleRequestParams sizeOnly = {};
  sizeOnly.arg1 = &target;
  sizeOnly.arg2 = &type;
  sizeOnly.arg4 = &size;
  EXPECT_EQ(Send(kRequestReadDataFrames, &sizeOnly), 0);
  EXPECT_EQ(size, 28u) << "the block that nobody receives is freed, its size still told";
}

// Requests 1354, 1351 and 1350: a missing argument or target changes nothing (and 1350 opens no
// dialog); a target that keeps no tag data (a page) fails the marker write, and 1354 and 1351
// answer 1.
TEST_F(VantelleModuleTest, AssignAndClearRefuseMissingArgumentsAndTargetsWithoutTagData) {
  const UID frame = TextFrame(Page(0), "frame", "text");
  Doc().ClearHistory();
  UIDRef target = Ref(frame);
  PMString frameID("F"), name;
  int16 type = kDataFrameTypeLabels, scope = kDataFrameScopePage, off = 0;
  void* args[8] = {&target, &frameID, &type, &name, &scope, &off, &off, &off};
  ModuleRequestParams params;
  for (int missing = 0; missing < 8; ++missing) {
    void* values[8];
    std::memcpy(values, args, sizeof values);
    values[missing] = nullptr;
    std::memset(&params, 0, sizeof params);
    std::memcpy(&params.arg1, values, sizeof values);
    EXPECT_EQ(Send(kRequestAssignDataFrame, &params), kFailure) << missing;
  }
  EXPECT_EQ(Send(kRequestAssignDataFrame, nullptr), kFailure);
  std::memset(&params, 0, sizeof params);
  gTagDataFrameDialogState.target = Ref(frame);  // where 1350 would put its target
  for (int32 selector : {kRequestClearDataFrame, kRequestEditDataFrame}) {
    EXPECT_EQ(Send(selector, nullptr), kSuccess);
    EXPECT_EQ(Send(selector, &params), kSuccess);
  }
  target = kInvalidUIDRef;
  params.arg1 = &target;
  EXPECT_EQ(Send(kRequestEditDataFrame, &params), kSuccess);
  EXPECT_EQ(gTagDataFrameDialogState.target, Ref(frame)) << "1350 went no further";

  for (const UIDRef& bad : {kInvalidUIDRef, Ref(Page(0))}) {
    target = bad;
    std::memcpy(&params.arg1, args, sizeof args);
    EXPECT_EQ(Send(kRequestAssignDataFrame, &params), kFailure);
    EXPECT_EQ(Send(kRequestClearDataFrame, &params), bad == kInvalidUIDRef ? kSuccess : kFailure);
  }
  EXPECT_FALSE(Doc().CanUndo());
  EXPECT_EQ(StoryOf(frame), "text");
}

}  // namespace
