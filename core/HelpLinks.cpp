// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/HelpLinks.h"

#include "core/Texts.h"

QUrl HelpFileUrl(const std::string& appDir)
{
    return QUrl::fromLocalFile(QString::fromStdString(appDir) + texts::kHelpFileName);
}

QUrl WebsiteUrl()
{
    return QUrl(texts::kWebsiteUrl);
}

QUrl SupportMailUrl()
{
    return QUrl(texts::kSupportMailUrl);
}
