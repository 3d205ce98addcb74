#pragma once
// The help file LWKHELP.HLP as text: its topics, and the page a topic shows.
// Pure functions, so the help window stays a thin view over them.

#include <QList>
#include <QString>

namespace lwk {

struct HelpTopic {
  int number = 0;
  QString title;
  QString body;
};

// Parses the help file's text: "@topic N Title" starts a topic, the lines
// after it are its body. Malformed topic lines are skipped.
QList<HelpTopic> ParseHelp(const QString& text);

// The page of topic `number` (the first topic when there is no such one) as
// HTML: its title, its paragraphs, and each "[[N]]" as a link to topic N
// under that topic's title. Empty when there are no topics.
QString HelpTopicHtml(const QList<HelpTopic>& topics, int number);

}  // namespace lwk
