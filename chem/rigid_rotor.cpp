#include "chem/rigid_rotor.h"

#include "chem/formula.h"

namespace moltherm::chem {

RigidRotor DescribeRigidRotor(std::span<const Atom> atoms) {
    const PrincipalAxes principal = PrincipalMoments(atoms);
    RigidRotor rotor;
    rotor.formula = HillFormula(atoms);
    rotor.molarMass = MolarMass(atoms);
    rotor.shape = ShapeOf(principal, atoms.size());
    rotor.rotationalConstants = RotationalConstants(principal, rotor.shape);
    rotor.pointGroup = PerceivePointGroup(atoms);
    return rotor;
}

}  // namespace moltherm::chem
