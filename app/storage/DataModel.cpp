#include "app/storage/DataModel.h"

namespace app {

const kit::ObjectModel& dataModel() {
    using T = kit::AttributeType;
    static const kit::ObjectModel model{
        "DataModel",
        {
            {"CustomColorCombination",
             {{"color1", T::String},
              {"color2", T::String},
              {"color3", T::String},
              {"color4", T::String},
              {"id", T::Int32, true},
              {"isLiked", T::Bool},
              {"numberOfColors", T::Int32},
              {"tag", T::String, true}}},
            {"LargeCombination",
             {{"color", T::String},
              {"colors", T::StringArray},
              {"id", T::Int64, true},
              {"isLightColors", T::Bool},
              {"isMixedColor", T::Bool},
              {"lightName", T::String},
              {"lightPower", T::Double},
              {"lightType", T::String},
              {"name", T::String},
              {"type", T::Int32}}},
            {"MixedColor", {{"color", T::String}, {"colors", T::StringArray}, {"id", T::Int32, true}}},
        }};
    return model;
}

} // namespace app
