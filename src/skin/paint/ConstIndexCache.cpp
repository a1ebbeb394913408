#include "skin/paint/ConstIndexCache.h"

#include "skin/paint/MenuFace.h"

namespace {

int Mask(const TsSkinContent& skin, int section, const char* name, const char* key) {
    return section < 0 ? -1 : skin.FindMaskIndex(section, name, key);
}

}  // namespace

TsConstIndexCache BuildConstIndexCache(TsSkinContent& skin) {
    TsConstIndexCache cache;
    cache.GlobalInfo = skin.SectionIndex(std::string(kGlobalInfoSection));
    cache.ExBorder = Mask(skin, cache.GlobalInfo, "GLOBALINFO", "EXBORDER");
    cache.GripImage = Mask(skin, cache.GlobalInfo, "GLOBALINFO", "GRIPIMAGE");
    cache.ComboBtn = skin.SectionIndex("COMBOBTN");
    cache.ComboBtnBorder = Mask(skin, cache.ComboBtn, "COMBOBTN", "BORDERSMASK");
    cache.ComboBtnGlyph = Mask(skin, cache.ComboBtn, "COMBOBTN", "GLYPHMASK");
    cache.ComboArrow = Mask(skin, skin.SectionIndex("COMBOBOX"), "COMBOBOX", "GLYPHMASK");
    cache.UpDownBtn = skin.SectionIndex("UPDOWNBTN");
    cache.WebButton = skin.SectionIndex("WEBBUTTON");
    cache.MenuBorderWidth = PopupBorderWidth(skin);
    for (std::size_t i = 0; i < skin.GeneralData.size(); ++i) {
        TsGeneralData& section = skin.GeneralData[i];
        if (section.ClassName == kGlobalInfoSection) continue;
        const int index = static_cast<int>(i);
        const std::string& name = section.ClassName;
        section.BorderIndex = skin.FindMaskIndex(index, name, "BORDERSMASK");
        section.ImgTL = skin.FindMaskIndex(index, name, "IMGTOPLEFT");
        section.ImgTR = skin.FindMaskIndex(index, name, "IMGTOPRIGHT");
        section.ImgBL = skin.FindMaskIndex(index, name, "IMGBTMLEFT");
        section.ImgBR = skin.FindMaskIndex(index, name, "IMGBTMRIGHT");
        section.TextureIndex = skin.FindTextureIndex(index, name, "PATTERN");
    }
    return cache;
}
