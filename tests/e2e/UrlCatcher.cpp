#include "UrlCatcher.h"

#include <QDesktopServices>

UrlCatcher::UrlCatcher(const QString& scheme) : m_scheme(scheme)
{
    QDesktopServices::setUrlHandler(m_scheme, this, "Open");
}

UrlCatcher::~UrlCatcher()
{
    QDesktopServices::unsetUrlHandler(m_scheme);
}

void UrlCatcher::Open(const QUrl& url)
{
    urls.push_back(url);
}
