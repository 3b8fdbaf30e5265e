// Text expression definitions: their sizes, fields, description, text and enclosure, and how
// they are copied and deleted, through the simulated host's records.
#include <gtest/gtest.h>

#include <memory>

#include "framework/data/NKTextExpressionDef.h"
#include "framework/data/NKTextExpressionDefs.h"
#include "tests/unit/data/TextTestSupport.h"

using namespace texttest;

namespace {

std::string Description(const NKTextExpressionDef& definition) {
    NKString text("stale");
    definition.GetDescription(&text);
    return Utf8(text);
}

std::string TextOf(const NKTextExpressionDef& definition) {
    std::unique_ptr<NKString> text(definition.CreateTextString());
    return Utf8(text.get());
}

} // namespace

TEST(TextExpressionDef, SavedSizeFollowsTheDescription) {
    for (uint32_t version : {kNarrowHost, kFirstWideHost, kWideHost}) {
        SCOPED_TRACE(version);
        TextHost h(version);
        const size_t smallest = h.Wide() ? 38 : 36;

        NKTextExpressionDef fresh;
        ASSERT_TRUE(fresh.SaveNew());
        EXPECT_EQ(Bytes(smallest, 0), *h.Find(kDefinition, fresh.ItemNumber()));

        NKString abc("abc");
        fresh.SetDescription(&abc);
        ASSERT_TRUE(fresh.Save());
        const Bytes& saved = *h.Find(kDefinition, fresh.ItemNumber());
        EXPECT_EQ(h.Wide() ? 42u : 39u, saved.size());
        EXPECT_EQ("abc", ExpressionDescription(version, saved));
        EXPECT_EQ("abc", Description(fresh));

        // An empty description drops whatever the record held after it.
        Bytes padded = ExpressionDefRecord(version, 7, 3, "");
        padded.resize(60, 0);
        padded[50] = 0x5A;
        h.Put(kDefinition, 2, padded);
        NKTextExpressionDef loaded;
        ASSERT_TRUE(loaded.Load(2));
        ASSERT_TRUE(loaded.Save());
        EXPECT_EQ(Bytes(padded.begin(), padded.begin() + smallest), *h.Find(kDefinition, 2));

        // SetDescription("") must still leave room for the size that is saved.
        NKString empty("");
        loaded.SetDescription(&empty);
        ASSERT_TRUE(loaded.Save());
        EXPECT_EQ(smallest, h.Find(kDefinition, 2)->size());
        EXPECT_EQ(7, loaded.TextBlockNumber());
        EXPECT_EQ("", Description(loaded));
    }
}

TEST(TextExpressionDef, FieldsKeepTheHostsBits) {
    TextHost h(kWideHost);
    Bytes record = ExpressionDefRecord(kWideHost, 5, 0xC00A, "Strings", 0x0801);
    h.Put(kDefinition, 1, record);
    NKTextExpressionDef definition;
    ASSERT_TRUE(definition.Load(1));
    EXPECT_EQ(0x000A, definition.Category());
    EXPECT_EQ(0x0801, definition.Flags());
    definition.SetCategory(0xFFFF);
    EXPECT_EQ(0x3FFF, definition.Category());
    definition.SetCategory(0x4007);
    ASSERT_TRUE(definition.Save());
    WriteLittleEndian16(record, 26, 0xC007);
    EXPECT_EQ(record, *h.Find(kDefinition, 1));
}

TEST(TextExpressionDef, ShortOrUnterminatedRecordsAreReadWithinTheirBytes) {
    for (uint32_t version : {kNarrowHost, kWideHost}) {
        SCOPED_TRACE(version);
        TextHost h(version);
        // A description that runs to the record's end without a terminator; the load block
        // ends there too, so ASan sees any read past it.
        Bytes open = ExpressionDefRecord(version, 1, 2, "Brass");
        open.resize(open.size() - (h.Wide() ? 2 : 1));
        h.Put(kDefinition, 1, open);
        // A record that ends before the category and description.
        Bytes stub(20, 0x11);
        h.Put(kDefinition, 2, stub);

        NKTextExpressionDef definition;
        ASSERT_TRUE(definition.Load(1));
        EXPECT_EQ("Brass", Description(definition));
        ASSERT_TRUE(definition.Save());
        EXPECT_EQ(open, *h.Find(kDefinition, 1));

        ASSERT_TRUE(definition.Load(2));
        EXPECT_EQ(0, definition.Category());
        EXPECT_EQ("", Description(definition));
        NKString name("Winds");
        definition.SetDescription(&name);
        ASSERT_TRUE(definition.Save());
        const Bytes& rewritten = *h.Find(kDefinition, 2);
        EXPECT_EQ(Bytes(stub.begin(), stub.end()),
                  Bytes(rewritten.begin(), rewritten.begin() + 20));
        EXPECT_EQ("Winds", ExpressionDescription(version, rewritten));

        // Copies, as collections make them, keep the same bounds.
        ASSERT_TRUE(definition.Load(2));
        NKTextExpressionDef copy;
        copy.CopyDataFrom(&definition);
        EXPECT_EQ(0, copy.Category());
        copy.SetDescription(&name);
        EXPECT_EQ("Winds", Description(copy));
    }
}

TEST(TextExpressionDef, SaveNewTextCreatesItsOwnTextRecords) {
    for (uint32_t version : {kNarrowHost, kWideHost}) {
        SCOPED_TRACE(version);
        TextHost h(version);
        h.Put(kTextBlock, 3, TextBlockRecord(3, 0x7870));
        h.Put(kExpressionText, 8, EncodeHostText(version, "old"));

        NKTextExpressionDef definition;
        const std::string text = h.Wide() ? "Fl\xC4\x80te \xE4\xB8\x80" : "Fl\xC3\xB6te";
        NKString string = Text(text);
        ASSERT_TRUE(definition.SaveNewText(&string));
        const int16_t block = definition.TextBlockNumber();
        EXPECT_EQ(4, block);
        const Bytes& blockRecord = *h.Find(kTextBlock, block);
        EXPECT_EQ(TextBlockRecord(9, 0x7870), blockRecord);
        EXPECT_EQ(EncodeHostText(version, text), *h.Find(kExpressionText, 9));
        EXPECT_EQ(text, TextOf(definition));
        EXPECT_TRUE(h.Records().AddressesOf(kDefinition).empty()); // not saved by this

        // Refused by the host: the definition keeps its text block.
        h.host.FailCall({"NX_CreateEData"}, 1);
        EXPECT_FALSE(definition.SaveNewText(&string));
        h.host.FailCall({"NX_CreateEData"}, 2);
        EXPECT_FALSE(definition.SaveNewText(&string));
        EXPECT_EQ(block, definition.TextBlockNumber());
        EXPECT_FALSE(definition.SaveNewText(nullptr));
    }
}

TEST(TextExpressionDefs, LoadAllStepsOverTheGapsThatDeletedDefinitionsLeave) {
    TextHost h(kFirstWideHost);
    for (int16_t item : {1, 2, 4, 5, 9})
        h.PutDefinition(item, "x", "set " + std::to_string(item));
    NKTextExpressionDefs definitions;
    ASSERT_EQ(5, definitions.LoadAll());
    EXPECT_EQ("set 1", Description(*definitions.ElementAt(0)));
    EXPECT_EQ("set 4", Description(*definitions.ElementAt(2)));
    EXPECT_EQ(9, definitions.ElementAt(4)->ItemNumber());
    h.Records().Erase({kDefinition, 1, 0});
    ASSERT_EQ(4, definitions.LoadAll()) << "also without a definition 1";
    EXPECT_EQ("set 2", Description(*definitions.ElementAt(0)));
}

TEST(TextExpressionDef, DeleteDeepRemovesTheDefinitionAndItsEnclosureOnly) {
    TextHost h(kWideHost);
    const Bytes enclosure = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    h.PutDefinition(1, "plain", "no enclosure");
    h.Put(kEnclosure, 1, enclosure); // not the definition's: its flag is clear
    h.PutDefinition(2, "boxed", "enclosed", kExpressionDefHasEnclosure);
    h.Put(kEnclosure, 2, enclosure);

    NKTextExpressionDef definition;
    ASSERT_TRUE(definition.Load(1));
    EXPECT_EQ(nullptr, definition.LoadEnclosure());
    EXPECT_TRUE(definition.DeleteDeep());
    EXPECT_EQ(nullptr, h.Find(kDefinition, 1));
    EXPECT_NE(nullptr, h.Find(kEnclosure, 1));

    ASSERT_TRUE(definition.Load(2));
    EXPECT_TRUE(definition.DeleteDeep());
    EXPECT_EQ(nullptr, h.Find(kDefinition, 2));
    EXPECT_EQ(nullptr, h.Find(kEnclosure, 2));
    // The text stays.
    EXPECT_NE(nullptr, h.Find(kTextBlock, 52));
    EXPECT_NE(nullptr, h.Find(kExpressionText, 52));
}

TEST(TextExpressionDef, RefusedDeleteLeavesRecordAndObjectAsTheyWere) {
    TextHost h(kWideHost);
    const uint16_t flags = kExpressionDefHasEnclosure | kExpressionDefReferenceInUse;
    Bytes record = ExpressionDefRecord(kWideHost, 5, 1, "kept", flags);
    WriteLittleEndian16(record, 4, 0); // in use, with the value 0
    h.Put(kDefinition, 3, record);
    h.Put(kEnclosure, 3, Bytes(12, 0xEE));

    NKTextExpressionDef definition;
    ASSERT_TRUE(definition.Load(3));
    h.host.FailCall({"NX_DeleteEData"}, 1);
    EXPECT_FALSE(definition.DeleteDeep());
    EXPECT_EQ(record, *h.Find(kDefinition, 3));
    EXPECT_NE(nullptr, h.Find(kEnclosure, 3));

    WriteLittleEndian16(record, 4, 0x1234);
    h.Put(kDefinition, 3, record);
    ASSERT_TRUE(definition.Load(3));
    h.host.FailCall({"NX_SaveEData"}, 1);
    EXPECT_FALSE(definition.DeleteDeep());
    EXPECT_EQ(flags, definition.Flags());
    EXPECT_EQ(0x1234, definition.Reference());
    EXPECT_NE(nullptr, h.Find(kDefinition, 3));

    // Before it goes, the host is told the reference is no longer in use.
    h.host.Log().Clear();
    EXPECT_TRUE(definition.DeleteDeep());
    ASSERT_EQ(1u, h.host.Log().CountOf("NX_SaveEData"));
    EXPECT_EQ(nullptr, h.Find(kDefinition, 3));
}

TEST(TextExpressionDef, SaveAsDeepCopiesWithANewTextAndTheEnclosure) {
    TextHost h(kWideHost);
    const Bytes enclosure = {9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 1, 2};
    h.PutDefinition(3, "Horns \xC4\x80", "QM 3:Horns", kExpressionDefHasEnclosure, 4);
    h.Put(kEnclosure, 3, enclosure);
    const Bytes original = *h.Find(kDefinition, 3);

    NKTextExpressionDef definition;
    ASSERT_TRUE(definition.Load(3));
    ASSERT_TRUE(definition.SaveAsDeep(9));
    EXPECT_EQ(original, *h.Find(kDefinition, 3));
    EXPECT_EQ(enclosure, *h.Find(kEnclosure, 9));

    NKTextExpressionDef copy;
    ASSERT_TRUE(copy.Load(9));
    EXPECT_NE(53, copy.TextBlockNumber());
    EXPECT_EQ("Horns \xC4\x80", TextOf(copy));
    EXPECT_EQ("QM 3:Horns", Description(copy));
    EXPECT_EQ(4, copy.Category());
}
