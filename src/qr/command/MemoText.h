#pragma once

#include <QString>
#include <string>

class TsMemo;

// The data field's text as the rest of the program sees it: UTF-8 with CR LF line breaks, as
// a multi-line edit hands it over on the desktop the program comes from. Qt's editor keeps
// bare LF breaks, so the breaks are converted on the way out and back in; the chart service
// then receives every line break as %0D%0A.
std::string MemoText(const TsMemo& memo);
void SetMemoText(TsMemo& memo, const std::string& text);

// The conversions themselves. A lone CR or LF on the way out becomes CR LF as well; on the
// way in CR LF and a lone CR become the editor's LF.
std::string ToCrLfText(const QString& editorText);
QString FromCrLfText(const std::string& text);
