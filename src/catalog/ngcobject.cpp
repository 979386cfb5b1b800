#include "catalog/ngcobject.h"

NgcType NgcObject::TypeFromCode(const std::string& code)
{
    if (code == "Gx")
        return NgcType::Galaxy;
    if (code == "OC")
        return NgcType::OpenCluster;
    if (code == "Gb")
        return NgcType::GlobularCluster;
    if (code == "Pl")
        return NgcType::PlanetaryNebula;
    return NgcType::DiffuseNebula;
}
