// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Translation.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace {

constexpr const char* kContext = "Vantorel";

} // namespace

QString Tr(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}

QString Tr(const std::string& text)
{
    return Tr(text.c_str());
}

QTranslator* InstallTranslation(const QString& dir, const QLocale& locale)
{
    auto* catalogue = new QTranslator(QCoreApplication::instance());
    if (!catalogue->load(locale, "vantorel", "_", dir) || !QCoreApplication::installTranslator(catalogue)) {
        delete catalogue;
        return nullptr;
    }
    return catalogue;
}
