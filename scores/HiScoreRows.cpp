#include "scores/HiScoreRows.h"

namespace {

int lastIndexOf(const String& text, char byte)
{
    for (int i = text.length() - 1; i >= 0; --i)
        if (text[i] == byte)
            return i;
    return -1;
}

// The rank of line 0: the number after its last blank, 0-based; -1 when
// there is none.
int rankOfHeader(const String& line)
{
    String text = line.trimmed();
    int blank = lastIndexOf(text, ' ');
    int value = 0;
    if (blank < 0 || blank == text.length() - 1)
        return -1;
    String number = text.mid(blank + 1);
    if (!parseInt(number.c_str(), &value, number.length()))
        return -1;
    return value + 1;
}

} // namespace

void HiScoreRows::clear()
{
    for (HiScoreRow& row : rows)
        row = HiScoreRow();
    rowCount = -1;
    myRank = -1;
    myRowIndex = -1;
}

void HiScoreRows::storeReply(const String& body, int myScore, const String& myName)
{
    Array<String> lines = body.split('\n');  // each line trimmed
    myRank = -1;
    if (myScore != -1 && !lines.isEmpty())
        myRank = rankOfHeader(lines[0]);
    if (rowCount < 0)
        rowCount = 0;
    for (int i = 1; i < lines.size() && rowCount < kMaxRows; ++i)
        storeLine(lines[i], myScore, myName);
}

void HiScoreRows::storeLine(const String& line, int myScore, const String& myName)
{
    int comma = lastIndexOf(line, ',');
    if (comma < 0 || comma == line.length() - 1)
        return;
    String name = line.mid(0, comma);
    String scoreText = line.mid(comma + 1).trimmed();
    int score = -1;
    parseInt(scoreText.c_str(), &score, scoreText.length());

    bool named = !myName.isEmpty();
    if (myRowIndex == -1 && rowCount == myRank - 1 && named && name != myName) {
        store(myName, myScore);
        myRowIndex = myRank;
    } else if (myRowIndex != -1 && rowCount >= myRowIndex && named && name == myName && score == myScore) {
        myRowIndex = -1;  // the server's copy of the row put in above
        return;
    }
    store(name, score);
}

bool HiScoreRows::store(const String& name, int score)
{
    if (rowCount >= kMaxRows)
        return false;
    HiScoreRow& row = rows[rowCount++];
    row = HiScoreRow();
    row.name = name;
    row.score = score;
    return true;
}
