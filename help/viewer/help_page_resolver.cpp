#include "help/viewer/help_page_resolver.h"

#include <QFile>
#include <QRegularExpression>
#include <QUrlQuery>

namespace trevalon_help {

namespace {

const QString kInvokerPage = QStringLiteral("Old_CSH_Invoker.htm");

QString AttributeOf(const QString& tag, const QString& name) {
  const QRegularExpression attribute(QStringLiteral("\\b%1\\s*=\\s*\"([^\"]*)\"").arg(name),
                                     QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch match = attribute.match(tag);
  return match.hasMatch() ? match.captured(1) : QString();
}

}  // namespace

QString TopicLink(const QString& invokerHtml, const QString& topicId) {
  static const QRegularExpression anchorTag(QStringLiteral("<a\\s[^>]*>"), QRegularExpression::CaseInsensitiveOption);
  const QString wanted = QStringLiteral("topic") + topicId;
  for (auto tags = anchorTag.globalMatch(invokerHtml); tags.hasNext();) {
    const QString tag = tags.next().captured(0);
    if (AttributeOf(tag, QStringLiteral("id")) == wanted) return AttributeOf(tag, QStringLiteral("href"));
  }
  return {};
}

QUrl ResolveHelpPage(const QUrl& url) {
  if (!url.isLocalFile() || url.fileName() != kInvokerPage) return url;
  const QString topicId = QUrlQuery(url).queryItemValue(QStringLiteral("topicId"));
  QUrl contents = url;
  contents.setQuery(QString());
  if (topicId.isEmpty()) return contents;
  QFile invoker(url.toLocalFile());
  if (!invoker.open(QIODevice::ReadOnly)) return contents;
  const QString link = TopicLink(QString::fromUtf8(invoker.readAll()), topicId);
  return link.isEmpty() ? contents : contents.resolved(QUrl(link));
}

}  // namespace trevalon_help
