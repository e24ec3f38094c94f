// Stands in for the desktop's web browser: the URLs the program asks the
// desktop to open are kept here instead.
#pragma once

#include <QObject>
#include <QUrl>
#include <vector>

class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    // Catches every URL of `scheme` until destroyed.
    explicit UrlCatcher(const QString& scheme);
    ~UrlCatcher() override;

    std::vector<QUrl> urls;

  public slots:
    void Open(const QUrl& url);

  private:
    QString m_scheme;
};
