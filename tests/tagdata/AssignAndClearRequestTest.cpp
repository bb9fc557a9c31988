// Requests 1354 (assign without a dialog) and 1351 (clear) as another plug-in sends them, and the
// entries that request 1353 finds before and after.
#include <cstring>

#include "CreateObject.h"
#include "IVantelleModule.h"
#include "tagdata/AssignFixture.h"

namespace {

class AssignAndClearRequestTest : public AssignFixture {
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

  // The arguments of request 1354, each at its own address.
  struct AssignArgs {
    UIDRef target;
    PMString frameID{"F"};
    int16 type = kDataFrameTypeLabels;
    PMString name;
    int16 scope = kDataFrameScopePage;
    int16 matchName = 0;
    int16 matchFrameID = 0;
    int16 hint = 0;
  };
  int32 Assign1354(AssignArgs& a) {
    ModuleRequestParams params;
    std::memset(&params, 0, sizeof params);
    params.arg1 = &a.target;
    params.arg2 = &a.frameID;
    params.arg3 = &a.type;
    params.arg4 = &a.name;
    params.arg5 = &a.scope;
    params.arg6 = &a.matchName;
    params.arg7 = &a.matchFrameID;
    params.arg8 = &a.hint;
    return Send(kRequestAssignDataFrame, &params);
  }
  int32 Clear1351(UIDRef target) {
    ModuleRequestParams params;
    std::memset(&params, 0, sizeof params);
    params.arg1 = &target;
    return Send(kRequestClearDataFrame, &params);
  }
  // Request 1353 for labels, as "label=value" words.
  std::string Read1353(UID item) {
    UIDRef target = Ref(item);
    int16 type = kDataFrameTypeLabels;
    MemBlock block = nullptr;
    uint32 size = 0;
    ModuleRequestParams params;
    std::memset(&params, 0, sizeof params);
    params.arg1 = &target;
    params.arg2 = &type;
    params.arg3 = &block;
    params.arg4 = &size;
    EXPECT_EQ(Send(kRequestReadDataFrames, &params), kSuccess);
    return EntryWords(block, size);
  }

  InterfacePtr<IVantelleModule> fModule;
};

TEST_F(AssignAndClearRequestTest, AssignReadClearAndReadAgain) {
  const UID frame = TextFrame(Page(0));
  const UID item = TextFrame(Page(0), "an item on the page");
  AssignArgs args;
  args.target = Ref(frame);
  args.name = PMString("Prices");
  args.hint = 1;
  ASSERT_EQ(Assign1354(args), kSuccess);
  EXPECT_EQ(StoryOf(frame),
            "<dataframe type=\"labels\" scope=\"page\" name=\"Prices\"/>\r\n"
            "<!-- Enter one Label,Value or Label:Value per line -->\r\n");
  EXPECT_EQ(Read1353(item), "");

  InterfacePtr<ITextModel> story(FindFrameStoryModel(frame));
  int32 end = story->TotalLength() - 1;
  ASSERT_EQ(InsertStoryText(story, end, WideString(u"Colour,Red\r\nSize:XL\r\n")), kSuccess);
  EXPECT_EQ(Read1353(item), "Colour=Red Size=XL");

  EXPECT_EQ(Clear1351(Ref(frame)), kSuccess);
  EXPECT_EQ(Read1353(item), "");
  EXPECT_EQ(MarkerOf(frame), "none");
  EXPECT_EQ(StoryOf(frame), "");
}

TEST_F(AssignAndClearRequestTest, AssignPassesMatchNameAndFrameIDButNeverMatchGroup) {
  const UID frame = TextFrame(Page(0));
  AssignArgs args;
  args.target = Ref(frame);
  args.type = kDataFrameTypeSharedPellow;
  args.scope = kDataFrameScopeSpread;
  args.frameID = PMString("S-1");
  args.matchName = 1;
  args.matchFrameID = 1;
  ASSERT_EQ(Assign1354(args), kSuccess);
  EXPECT_EQ(StoryOf(frame),
            "<dataframe type=\"shared_pellow\" scope=\"spread\" match_frame_id=\"true\" "
            "match_name=\"true\"/>\r\n");
  EXPECT_EQ(MarkerOf(frame), "S-1");
  args.matchName = 0;
  ASSERT_EQ(Assign1354(args), kSuccess);
  EXPECT_EQ(StoryOf(frame),
            "<dataframe type=\"shared_pellow\" scope=\"spread\" match_frame_id=\"true\"/>\r\n");
}

TEST_F(AssignAndClearRequestTest, MissingArgumentsAndInvalidTargetsChangeNothing) {
  const UID frame = TextFrame(Page(0), "text");
  Doc().ClearHistory();
  AssignArgs args;
  args.target = Ref(frame);
  ModuleRequestParams params;
  for (int missing = 0; missing < 8; ++missing) {
    std::memset(&params, 0, sizeof params);
    void* values[8] = {&args.target, &args.frameID,   &args.type,         &args.name,
                       &args.scope,  &args.matchName, &args.matchFrameID, &args.hint};
    values[missing] = nullptr;
    std::memcpy(&params.arg1, values, sizeof values);
    EXPECT_EQ(Send(kRequestAssignDataFrame, &params), kFailure) << missing;
  }
  EXPECT_EQ(Send(kRequestAssignDataFrame, nullptr), kFailure);
  args.target = kInvalidUIDRef;
  EXPECT_EQ(Assign1354(args), kFailure);

  EXPECT_EQ(Send(kRequestClearDataFrame, nullptr), kSuccess);
  std::memset(&params, 0, sizeof params);
  EXPECT_EQ(Send(kRequestClearDataFrame, &params), kSuccess);
  EXPECT_EQ(Clear1351(kInvalidUIDRef), kSuccess);
  EXPECT_FALSE(Doc().CanUndo());
  EXPECT_EQ(StoryOf(frame), "text");
}

TEST_F(AssignAndClearRequestTest, AFailedMarkerWriteAnswers1) {
  // A page keeps no tag data: the marker write fails and the request answers 1.
  AssignArgs args;
  args.target = Ref(Page(0));
  EXPECT_EQ(Assign1354(args), kFailure);
  EXPECT_EQ(Clear1351(Ref(Page(0))), kFailure);
}

}  // namespace
