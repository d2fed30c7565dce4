#ifndef PELMO_SELECTION_SELECTION_CAPTIONS_H
#define PELMO_SELECTION_SELECTION_CAPTIONS_H

namespace pelmo::selection_captions {

// The fixed captions of the selection window, byte for byte as users and manuals know
// them. Captions that change with the product kind are in SelectionWindowState.

inline constexpr const char* kPartNumberFrame = "Orvane Part Number";           // fraPartnum
inline constexpr const char* kCapacitor = "Capacitor";                          // optProduct(0)
inline constexpr const char* kInductor = "Inductor";                            // optProduct(1)
inline constexpr const char* kFrequencyFrame = "Operation Frequency[MHz]";      // fraFreq
inline constexpr const char* kBias = "DC Bias Voltage[V]";                      // lblDC
inline constexpr const char* kSrf = "SRF";                                      // lblSRF
inline constexpr const char* kMegahertz = "[MHz]";                              // lblMHz
inline constexpr const char* kImpedanceFrame = "Impedance";                     // fraSpice
inline constexpr const char* kEquivalentCircuit = "Equivalent Series Circuit";  // lblESC
inline constexpr const char* kImpedance = "Impedance, |Z|[ohm]:";               // lbl2
inline constexpr const char* kInductance = "Series Inductance, L[nH]:";         // lbl4
inline constexpr const char* kResistance = "Series Resistance, R[ohm]:";        // lbl5
inline constexpr const char* kSParameterFrame = "S Parameter";                  // fraSparameter
inline constexpr const char* kModeFrame = "Circuit Mode";                       // fraMode
inline constexpr const char* kSeries = "Series";                                // optMode(0)
inline constexpr const char* kShunt = "Shunt";                                  // optMode(1)
inline constexpr const char* kS11 = "S11";                                      // lbl10
inline constexpr const char* kS21 = "S21";                                      // lbl11
inline constexpr const char* kMagnitude = "Magnitude[dB]:";                     // lbl6
inline constexpr const char* kPhase = "Phase[DEG]:";                            // lbl7
inline constexpr const char* kReal = "Real:";                                   // lbl8
inline constexpr const char* kImag = "Imag:";                                   // lbl9
inline constexpr const char* kCatalogLink = "Link to Catalog";                  // cmdCatalogLink

}  // namespace pelmo::selection_captions

#endif
