#pragma once

// Which page a help URL shows. The WebHelp invoker page stands for its topics: with
// "?topicId=N" it resolves to the page that its topic table links for N (the anchor with the
// id "topicN"); without a known topic it is shown itself, as the contents.

#include <QString>
#include <QUrl>

namespace trevalon_help {

// The page to show for `url` (a file URL), its fragment kept.
QUrl ResolveHelpPage(const QUrl& url);

// The link of topic `topicId` in the invoker page's HTML, or empty.
QString TopicLink(const QString& invokerHtml, const QString& topicId);

}  // namespace trevalon_help
