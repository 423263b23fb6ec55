// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "GameWords.h"

#include "Modes.h"
#include "NumberText.h"
#include "Options.h"

namespace brimbal {

namespace {

// A table's text in the context that its QT_TRANSLATE_NOOP names; an empty text stays empty.
QString TableText(const char* context, const char* text) {
    return *text ? QCoreApplication::translate(context, text) : QString();
}

} // namespace

QString TGameWords::News(IGameHost::ENews news, std::int32_t value) {
    switch (news) {
    case IGameHost::ENews::Marked:
        return tr("Das sind %1 Felder!").arg(NumberText(value));
    case IGameHost::ENews::TooFew:
        return tr("Zuwenig aneinanderhängende!");
    case IGameHost::ENews::Points:
        return tr("Du bekommst dafür %1 Punkte.").arg(NumberText(value));
    case IGameHost::ENews::Score:
        return Score(NumberText(value));
    case IGameHost::ENews::Practice:
        return tr("Übungsspiel: kommt nicht in die Highscoreliste");
    }
    return QString();
}

QString TGameWords::Score(const QString& number) {
    return tr("Punkte: %1").arg(number);
}

QString TGameWords::ModeCaption(const TMode& mode) {
    return TableText(KModesContext, mode.Caption);
}

QString TGameWords::ModeHint(const TMode& mode) {
    return TableText(KModesContext, mode.Hint);
}

QString TGameWords::ModeTitle(std::int32_t number) {
    return TableText(KModesContext, brimbal::ModeTitle(number));
}

QString TGameWords::SwitchCaption(const TSwitchOption& option) {
    return TableText(KOptionsContext, option.Caption);
}

QString TGameWords::SwitchHint(const TSwitchOption& option) {
    return TableText(KOptionsContext, option.Hint);
}

} // namespace brimbal
