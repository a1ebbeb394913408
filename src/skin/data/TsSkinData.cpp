#include "skin/data/TsSkinData.h"

void TsSkinData::Read(const TsIniFile& ini) {
    *this = TsSkinData{};
    const auto integer = [&ini](std::string_view key, std::int32_t& field) {
        field = ini.ReadInteger(kGlobalInfoSection, key, field);
    };
    Version = ini.ReadReal(kGlobalInfoSection, "VERSION", 0);
    Author = ini.ReadString(kGlobalInfoSection, "AUTHOR", "");
    Description = ini.ReadString(kGlobalInfoSection, "DESCRIPTION", "");
    MasterBitmap = ini.ReadString(kGlobalInfoSection, "MASTERBITMAP", "");
    integer("BORDERWIDTH", BorderWidth);
    integer("TITLEHEIGHT", TitleHeight);
    integer("MAXHEIGHT", MaxHeight);
    integer("FORMOFFSET", FormOffset);
    integer("ALIGNOFFSET", AlignOffset);
    integer("CENTEROFFSET", CenterOffset);
    integer("BORDERMODE", BorderMode);
    integer("SHADOW1COLOR", Shadow1Color);
    integer("SHADOW1OFFSET", Shadow1Offset);
    integer("SHADOW1BLUR", Shadow1Blur);
    integer("SHADOW1TRANSPARENCY", Shadow1Transparency);
    integer("BISPACE", BISpace);
    integer("BIVALIGN", BIVAlign);
    integer("BIRIGHT", BIRight);
    integer("BILEFT", BILeft);
    integer("BITOP", BITop);
    integer("BORDERCOLOR", BorderColor);
    integer("BIKEEPHUE", BIKeepHue);
    integer("BICONCLOSEGLOW", BIconCloseGlow);
    integer("BICONMAXGLOW", BIconMaxGlow);
    integer("BICONMINGLOW", BIconMinGlow);
    integer("BICONCLOSEGLOWMARGIN", BIconCloseGlowMargin);
    integer("BICONMAXGLOWMARGIN", BIconMaxGlowMargin);
    integer("BICONMINGLOWMARGIN", BIconMinGlowMargin);
    integer("AEROBLUR", AeroBlur);
    integer("EXTSHADOW", ExtShadow);
}
