#pragma once
#include <QString>

// The parameter memos' default texts, set at every start and by their Reset buttons.
inline const QString kDefaultParams264 = QStringLiteral(
    "--bluray-compat --level 4.1 --open-gop --slices 4 --colorprim \"bt709\" --transfer \"bt709\" "
    "--colormatrix \"bt709\" --b-pyramid none");
inline const QString kDefaultParams265 = QStringLiteral(
    "-pix_fmt yuv420p -f rawvideo - | x265 --input - --input-res 3840x2160 --no-info --uhd-bd "
    "--repeat-headers --profile main444-10 --no-open-gop --no-b-pyramid --min-keyint 1 --rd 1");
inline const QString kDefaultParamsHDR = QStringLiteral(
    "--colorprim \"bt2020\" --transfer \"smpte2084\" --colormatrix \"bt2020nc\" --master-display "
    "\"G(13250,34500)B(7500,3000)R(34000,16000)WP(15635,16450)L(40000000,50)\" --max-cll \"1000,400\"");
inline const QString kDefaultParamsDV =
    QStringLiteral("-g 24 -u no_mapping_with_mel -t mov_sidecar --print-all --keep-temp");
