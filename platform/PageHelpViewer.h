#pragma once
// The help viewer over the program's HTML help pages.
#include <QString>

#include "platform/HelpPages.h"
#include "platform/HelpViewer.h"

namespace platform {

class PageHelpViewer : public HelpViewer {
public:
    explicit PageHelpViewer(QString folder = helpFolder());
    void show(int context) override;
    void showPage(const QString& page) override;

private:
    QString folder_;
};

}  // namespace platform
