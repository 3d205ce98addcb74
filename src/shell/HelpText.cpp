#include "shell/HelpText.h"

#include <QRegularExpression>
#include <QStringList>

namespace lwk {

QList<HelpTopic> ParseHelp(const QString& text) {
  QList<HelpTopic> topics;
  static const QRegularExpression head("^@topic\\s+(\\d+)\\s*(.*)$");
  HelpTopic* current = nullptr;
  const QStringList lines = text.split('\n');
  for (QString line : lines) {
    if (line.endsWith('\r')) line.chop(1);
    const auto m = head.match(line);
    if (m.hasMatch()) {
      topics.append({m.captured(1).toInt(), m.captured(2).trimmed(), QString()});
      current = &topics.last();
    } else if (line.startsWith("@topic")) {
      current = nullptr;  // a broken topic line: its body is dropped
    } else if (current) {
      current->body += line + '\n';
    }
  }
  return topics;
}

QString HelpTopicHtml(const QList<HelpTopic>& topics, int number) {
  if (topics.isEmpty()) return QString();
  const HelpTopic* topic = nullptr;
  for (const HelpTopic& t : topics)
    if (t.number == number) topic = &t;
  if (!topic) topic = &topics.first();
  QString html = "<h2>" + topic->title.toHtmlEscaped() + "</h2>";
  static const QRegularExpression link("\\[\\[(\\d+)\\]\\]");
  static const QRegularExpression paragraphBreak("\\n\\s*\\n");
  for (const QString& para : topic->body.split(paragraphBreak, Qt::SkipEmptyParts)) {
    QString p = para.trimmed().toHtmlEscaped();
    p.replace('\n', "<br>");
    QString out;
    qsizetype last = 0;
    auto it = link.globalMatch(p);
    while (it.hasNext()) {
      const auto m = it.next();
      out += p.mid(last, m.capturedStart() - last);
      const int n = m.captured(1).toInt();
      QString title = QString::number(n);
      for (const HelpTopic& t : topics)
        if (t.number == n) title = t.title.toHtmlEscaped();
      out += QString("<a href=\"topic:%1\">%2</a>").arg(n).arg(title);
      last = m.capturedEnd();
    }
    out += p.mid(last);
    html += "<p>" + out + "</p>";
  }
  return html;
}

}  // namespace lwk
