// Names of reference pictograms: two skipped bytes, at most 40 taken, cut at the carriage return,
// Windows-1250 letters.

#include "reference/cp1250.h"
#include "storefixture.h"

namespace {

struct NameCase {
    const char *what;
    std::string field;  // the first L bytes of the name field
    std::string name;   // UTF-8
};

TEST(PictoName, FieldRules)
{
    const NameCase cases[] = {
        {"two leading characters, a word, a carriage return", "  Dom\r", "Dom"},
        {"the leading two are skipped whatever they are", "\x07\xFF" "Dom\r", "Dom"},
        {"cut at the first carriage return", "  Dom\rTekst\r", "Dom"},
        {"no carriage return: empty", "  Dom", ""},
        {"two percent signs are left for the strip", "  Pani%domu%\r", "Pani%domu%"},
        {"Windows-1250 letters", "  \x8Climak i \xB3\xF3" "d\xBA" "\r", "Ślimak i łód\xEF\xBF\xBD"},
        {"carriage return beyond the 40 taken", "  " + std::string(40, 'a') + "\r", ""},
        {"carriage return as the 40th taken", "  " + std::string(39, 'a') + "\r", std::string(39, 'a')},
        {"only the two skipped", "\r\r", ""},
        {"empty field", "", ""},
    };
    for (const NameCase &c : cases)
        EXPECT_EQ(PictoNameFromField(c.field), c.name) << c.what;
}

TEST(PictoName, PolishLettersRoundTrip)
{
    const std::string letters = "ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ";
    const std::optional<std::string> bytes = EncodeWindows1250(letters);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF \xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF");
    EXPECT_EQ(DecodeWindows1250(*bytes), letters);
    EXPECT_FALSE(EncodeWindows1250("zł €"));
    EXPECT_FALSE(EncodeWindows1250("\xC5"));  // a cut UTF-8 sequence
}

TEST(PictoName, StoredFieldHoldsTheNameWithinTheRecord)
{
    EXPECT_EQ(PictoNameField("Łódka"), std::string("  \xA3\xF3" "dka\r"));
    EXPECT_EQ(PictoNameField(std::string(39, 'a')).size(), std::size_t(PictoNameSize));
    EXPECT_THROW(PictoNameField(std::string(40, 'a')), std::invalid_argument);
    EXPECT_THROW(PictoNameField("Café"), std::invalid_argument);
}

class NameInStore : public StoreFixture {};

TEST_F(NameInStore, LengthByteAboveTheFieldIsHeldToIt)
{
    WriteReferenceStore(folder(), {{1, "Pani%domu%", "x"}, {2, std::string(39, 'b'), "x"}});
    EXPECT_EQ(ReadReferenceRecord(folder(), 1).name, "Pani%domu%");

    std::string index = readFile("E.bt");
    index[std::size_t(2 * PictoIndexSize + 13)] = char(255);
    index.push_back('\r');  // bytes past the name field must not be read as the name
    writeFile("E.bt", index);
    EXPECT_EQ(ReadReferenceRecord(folder(), 2).name, std::string(39, 'b'));
    index[std::size_t(2 * PictoIndexSize + 55)] = 'c';  // the carriage return overwritten: no name
    writeFile("E.bt", index);
    EXPECT_EQ(ReadReferenceRecord(folder(), 2).name, "");
}

} // namespace
