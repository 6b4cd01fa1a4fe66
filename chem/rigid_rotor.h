#pragma once

#include <span>
#include <string>
#include <vector>

#include "chem/atom.h"
#include "chem/inertia.h"
#include "chem/point_group.h"

namespace moltherm::chem {

// Everything a geometry fixes of a molecule's translational and rotational description.
struct RigidRotor {
    std::string formula;                      // Hill order
    double molarMass = 0;                     // [g/mol]
    Shape shape = Shape::Atom;                // by kLinearMomentRatio
    std::vector<double> rotationalConstants;  // [1/cm]: none, one or three, as RotationalConstants
    PointGroup pointGroup;                    // with the symmetry number sigma
};

RigidRotor DescribeRigidRotor(std::span<const Atom> atoms);

}  // namespace moltherm::chem
