#include "astro/sky/model.h"

const char* ModelKey(Model model)
{
    return model == Model::Precise ? "precise" : "classic";
}
