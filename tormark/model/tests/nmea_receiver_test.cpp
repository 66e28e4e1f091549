#include "nmea_receiver.h"

#include <gtest/gtest.h>

#include <string>

namespace tormark {
namespace {

// The textbook sentence, with its published checksum.
const std::string kWorked =
    "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n";
const std::string kWorkedText = "48 07.038N 011 31.000E          [ 12:35:19 UTC ]";
// A receiver with decimal seconds, west longitude (checksum worked out by hand, XOR of the body).
const std::string kWest = "$GPRMC,235959.00,A,5130.1234,N,00130.5678,W,0.0,0.0,010126,,,A*44\r\n";
const std::string kWestText = "51 30.1234N 001 30.5678W          [ 23:59:59 UTC ]";
// Before a fix: no position, so far fewer than 45 characters from "RMC" on.
const std::string kNoFix = "$GPRMC,123519,V,,,,,,,230394,,,N*51\r\n";
const std::string kGga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n";

TEST(RmcInputText, BuildsTheInputBoxTextFromFieldsOneAndThreeToSix) {
    EXPECT_EQ(RmcInputText(kWorked), kWorkedText);
    EXPECT_EQ(RmcInputText(kWest), kWestText);
    // Any talker, and a sentence without a checksum is taken as it stands.
    EXPECT_EQ(RmcInputText("$GNRMC,081500.00,A,5130.0000,S,00015.0000,E,0.02,,311226,,,A\r"),
              "51 30.0000S 000 15.0000E          [ 08:15:00 UTC ]");
}

TEST(RmcInputText, DropsTextWithoutAUsablePosition) {
    EXPECT_FALSE(RmcInputText(kGga));
    EXPECT_FALSE(RmcInputText(kNoFix));
    // Cut short: 44 characters from "RMC" on.
    const std::string cut = "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,08\r";
    ASSERT_EQ(cut.size() - cut.find("RMC") - 1, 44u);
    EXPECT_FALSE(RmcInputText(cut));
    // One character more is enough.
    EXPECT_EQ(RmcInputText("$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084\r"), kWorkedText);
    // A no-fix sentence followed by another sentence does not borrow that sentence's length.
    EXPECT_FALSE(RmcInputText(kNoFix + kGga));
    // The zeros some receivers send before a fix.
    EXPECT_FALSE(RmcInputText("$GPRMC,000012.00,V,0000.0000,N,00000.0000,E,0.0,0.0,010100,,,N\r"));
    // Empty position fields in a long sentence.
    EXPECT_FALSE(RmcInputText("$GPRMC,123519,A,,N,,E,022.4,084.4,230394,003.1,W,extra,fields\r"));
    // Hemisphere fields that are no hemisphere: the text would not read back as a position.
    for (const char* sentence :
         {"$GPRMC,123519,A,4807.038,X,01131.000,E,022.4,084.4,230394,003.1,W\r",
          "$GPRMC,123519,A,4807.038,N,01131.000,Q,022.4,084.4,230394,003.1,W\r",
          // Line noise inside the fields of a sentence without a checksum.
          "$GPRMC,123519,A,48\x01"
          "07.038,N,01131.000,E,022.4,084.4,230394,003.1,W\r",
          "$GPRMC,123519,A,4807.038,N,011\xFF"
          "31.000,E,022.4,084.4,230394,003.1,W\r",
          // Noise that still holds hemisphere letters further on (found by fuzzing): the text
          // would read as some position made of the noise.
          "$GPRMC,123519,A,4807.|38,X,01131.0dd'dddddddNCMd dddGNZMC%, 1dddddddNANE\r",
          "$GPRMC,123519,A,4807.038,N,01131.0N0,E,022.4,084.4,230394,003.1,W\r",
          "$GPRMC,123519,A,48.07.038,N,01131.000,E,022.4,084.4,230394,003.1,W\r",
          "$GPRMC,123519,A,4807.038,NE,01131.000,E,022.4,084.4,230394,003.1,W\r",
          "$GPRMC,12:35,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W\r"}) {
        SCOPED_TRACE(sentence);
        EXPECT_FALSE(RmcInputText(sentence));
    }
}

TEST(RmcInputText, UsesOnlyTheFirstRmcSentence) {
    EXPECT_EQ(RmcInputText(kGga + kWest + kWorked), kWestText);
}

TEST(RmcInputText, RejectsASentenceWhoseChecksumDoesNotMatch) {
    std::string corrupted = kWorked;
    corrupted.replace(corrupted.find("4807"), 4, "4907");  // one digit changed in transit
    EXPECT_FALSE(RmcInputText(corrupted));
    std::string wrong_sum = kWorked;
    wrong_sum.replace(wrong_sum.find("*6A"), 3, "*6B");
    EXPECT_FALSE(RmcInputText(wrong_sum));
    // Lower-case hexadecimal digits are accepted.
    std::string lower = kWorked;
    lower.replace(lower.find("*6A"), 3, "*6a");
    EXPECT_EQ(RmcInputText(lower), kWorkedText);
}

TEST(NmeaChecksum, CoversTheCharactersBetweenDollarAndStar) {
    EXPECT_TRUE(
        NmeaChecksumOk("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47"));
    EXPECT_TRUE(NmeaChecksumOk("noise$GPRMC,123519,V,,,,,,,230394,,,N*51"));
    EXPECT_TRUE(NmeaChecksumOk("$GPRMC,no,checksum"));
    EXPECT_FALSE(NmeaChecksumOk("$GPRMC,123519,V,,,,,,,230394,,,N*5"));   // one digit only
    EXPECT_FALSE(NmeaChecksumOk("$GPRMC,123519,V,,,,,,,230394,,,N*5G"));  // not hexadecimal
}

TEST(NmeaReceiver, WaitsForACarriageReturn) {
    NmeaReceiver receiver;
    const std::size_t cr = kWorked.find('\r');
    EXPECT_FALSE(receiver.Receive(kWorked.substr(0, cr)));
    EXPECT_EQ(receiver.pending(), kWorked.substr(0, cr));
    EXPECT_EQ(receiver.Receive(kWorked.substr(cr)), kWorkedText);
    EXPECT_EQ(receiver.pending(), "\n");
}

TEST(NmeaReceiver, KeepsTheStartOfTheNextSentence) {
    NmeaReceiver receiver;
    // One notification ends in the middle of the second sentence.
    const std::string stream = kWorked + kWest;
    const std::size_t split = kWorked.size() + 20;
    EXPECT_EQ(receiver.Receive(stream.substr(0, split)), kWorkedText);
    EXPECT_EQ(receiver.pending(), "\n" + kWest.substr(0, 20));
    EXPECT_EQ(receiver.Receive(stream.substr(split)), kWestText);
}

TEST(NmeaReceiver, TakesOneSentencePerNotificationAndEmptiesTheBuffer) {
    NmeaReceiver receiver;
    EXPECT_EQ(receiver.Receive(kWest + kWorked), kWestText);
    EXPECT_EQ(receiver.pending(), "\n");
    // Nothing left over is replayed by the next notification.
    EXPECT_FALSE(receiver.Receive(kGga));
    receiver.Clear();
    EXPECT_EQ(receiver.pending(), "");
}

TEST(NmeaReceiver, BoundsTextThatNeverEnds) {
    NmeaReceiver receiver;
    for (int i = 0; i < 100; ++i) EXPECT_FALSE(receiver.Receive(std::string(100, 'x')));
    EXPECT_EQ(receiver.pending().size(), kMaxPendingChars);
    // The receiver still works once the line ends come back.
    EXPECT_EQ(receiver.Receive("\r\n" + kWorked), kWorkedText);
}

}  // namespace
}  // namespace tormark
