<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>BiaoDing</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>T-AD</source>
        <translation>T-AD</translation>
    </message>
    <message>
        <source>INT</source>
        <translation>INT</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
</context>
<context>
    <name>BrightDialog</name>
    <message>
        <source>Bright</source>
        <translation>Luminosité</translation>
    </message>
</context>
<context>
    <name>CalibInterface</name>
    <message>
        <source>Calib</source>
        <translation>Calib</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>IR Core</source>
        <translation>IR Core</translation>
    </message>
    <message>
        <source>P/N</source>
        <translation>P/N</translation>
    </message>
    <message>
        <source>Mix</source>
        <translation>Mix</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Engine Set Dialog</source>
        <translation>Engine Set Dialog</translation>
    </message>
</context>
<context>
    <name>CalibPage</name>
    <message>
        <source>Start Calib</source>
        <translation>Start Calib</translation>
    </message>
    <message>
        <source>Manual Dead Point</source>
        <translation>Manual Dead Point</translation>
    </message>
</context>
<context>
    <name>CustomPaletteStore</name>
    <message>
        <source>Cannot save the palettes!</source>
        <translation>Palettes non enregistrées&#xa0;!</translation>
    </message>
</context>
<context>
    <name>DevChipPage</name>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 second</translation>
    </message>
    <message>
        <source>5 second</source>
        <translation>5 second</translation>
    </message>
    <message>
        <source>Calib</source>
        <translation>Calib</translation>
    </message>
    <message>
        <source>Pw-Start</source>
        <translation>Pw-Start</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Delay</translation>
    </message>
</context>
<context>
    <name>DevVersionPage</name>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
</context>
<context>
    <name>EAlarmSetup</name>
    <message>
        <source>Alarm Setting</source>
        <translation>Réglage alarme</translation>
    </message>
    <message>
        <source>Spot 1</source>
        <translation>Point 1</translation>
    </message>
    <message>
        <source>Spot 2</source>
        <translation>Point 2</translation>
    </message>
    <message>
        <source>Spot 3</source>
        <translation>Point 3</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Supérieur</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Inférieur</translation>
    </message>
    <message>
        <source>Equal</source>
        <translation>Égal</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Cible:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Mode:</translation>
    </message>
    <message>
        <source>Temp:</source>
        <translation>Temp.:</translation>
    </message>
</context>
<context>
    <name>EAnalysisSetup</name>
    <message>
        <source>Measure Setting</source>
        <translation>Réglage mesure</translation>
    </message>
    <message>
        <source>Lens:</source>
        <translation>Objectif:</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Gamme:</translation>
    </message>
    <message>
        <source>Env:</source>
        <translation>Amb.:</translation>
    </message>
    <message>
        <source>Humid:</source>
        <translation>Humid.:</translation>
    </message>
    <message>
        <source>Ref:</source>
        <translation>Réfl.:</translation>
    </message>
    <message>
        <source>Changing Temp Range!</source>
        <translation>Changement de gamme&#xa0;!</translation>
    </message>
    <message>
        <source>Calibration file error!</source>
        <translation>Erreur fichier étalonnage&#xa0;!</translation>
    </message>
    <message>
        <source>Modify file error!</source>
        <translation>Erreur fichier correction&#xa0;!</translation>
    </message>
</context>
<context>
    <name>EAreaMode</name>
    <message>
        <source> Max</source>
        <translation> Max</translation>
    </message>
    <message>
        <source> Min</source>
        <translation> Min</translation>
    </message>
    <message>
        <source> Averg</source>
        <translation> Moyenne</translation>
    </message>
    <message>
        <source>Area %1 Mode</source>
        <translation>Mode zone %1</translation>
    </message>
</context>
<context>
    <name>EAreaSetup</name>
    <message>
        <source>Area 1 Setting</source>
        <translation>Réglage zone 1</translation>
    </message>
    <message>
        <source>Area %1 Setting</source>
        <translation>Réglage zone %1</translation>
    </message>
</context>
<context>
    <name>EAreaTab</name>
    <message>
        <source>Area 1</source>
        <translation>Zone 1</translation>
    </message>
    <message>
        <source>Area 2</source>
        <translation>Zone 2</translation>
    </message>
    <message>
        <source>Area 3</source>
        <translation>Zone 3</translation>
    </message>
</context>
<context>
    <name>EAreaWidget</name>
    <message>
        <source>A%1</source>
        <translation>Z%1</translation>
    </message>
    <message>
        <source>H:</source>
        <translation>Max:</translation>
    </message>
    <message>
        <source>L:</source>
        <translation>Min:</translation>
    </message>
    <message>
        <source>A:</source>
        <translation>Moy:</translation>
    </message>
</context>
<context>
    <name>EBattery</name>
    <message>
        <source>No Lens!</source>
        <translation>Pas d&apos;objectif&#xa0;!</translation>
    </message>
    <message>
        <source>Calibration file error!</source>
        <translation>Erreur fichier étalonnage&#xa0;!</translation>
    </message>
    <message>
        <source>Modify file error!</source>
        <translation>Erreur fichier correction&#xa0;!</translation>
    </message>
</context>
<context>
    <name>ECloseScreenDialog</name>
    <message>
        <source>Screen Off</source>
        <translation>Veille écran</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source> 1 minutes</source>
        <translation> 1 minute</translation>
    </message>
    <message>
        <source> 2 minutes</source>
        <translation> 2 minutes</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5 minutes</translation>
    </message>
</context>
<context>
    <name>EColorDialog</name>
    <message>
        <source>Current Color:</source>
        <translation>Couleur actuelle:</translation>
    </message>
    <message>
        <source>Red:</source>
        <translation>Rouge:</translation>
    </message>
    <message>
        <source>Green:</source>
        <translation>Vert:</translation>
    </message>
    <message>
        <source>Blue:</source>
        <translation>Bleu:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Min. Value:</source>
        <translation>Valeur min.:</translation>
    </message>
    <message>
        <source>Max. Value:</source>
        <translation>Valeur max.:</translation>
    </message>
</context>
<context>
    <name>ECustomMenu</name>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
</context>
<context>
    <name>ECustomPalette</name>
    <message>
        <source>Custom Palette</source>
        <translation>Palette utilisateur</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot;?</source>
        <translation>Supprimer &quot;%1&quot;&#xa0;?</translation>
    </message>
    <message>
        <source>The palette could not be set!</source>
        <translation>Palette non appliquée&#xa0;!</translation>
    </message>
</context>
<context>
    <name>EDialogTitle</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>EDiffSetup</name>
    <message>
        <source>Diff %1 Setting</source>
        <translation>Réglage écart %1</translation>
    </message>
</context>
<context>
    <name>EDiffTab</name>
    <message>
        <source>Diff 1</source>
        <translation>Écart 1</translation>
    </message>
    <message>
        <source>Diff 2</source>
        <translation>Écart 2</translation>
    </message>
</context>
<context>
    <name>EGeneralPage</name>
    <message>
        <source>OFF</source>
        <translation>NON</translation>
    </message>
    <message>
        <source>PAL</source>
        <translation>PAL</translation>
    </message>
    <message>
        <source>NTSC</source>
        <translation>NTSC</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie vidéo</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Précision</translation>
    </message>
    <message>
        <source>Temp Unit</source>
        <translation>Unité temp.</translation>
    </message>
    <message>
        <source>Len Unit</source>
        <translation>Unité long.</translation>
    </message>
    <message>
        <source>1 decimal</source>
        <translation>0,1</translation>
    </message>
    <message>
        <source>2 decimals</source>
        <translation>0,01</translation>
    </message>
</context>
<context>
    <name>EGraphicsView</name>
    <message>
        <source>Calibration file error!</source>
        <translation>Erreur fichier étalonnage&#xa0;!</translation>
    </message>
    <message>
        <source>Modify file error!</source>
        <translation>Erreur fichier correction&#xa0;!</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source> M </source>
        <translation> M </translation>
    </message>
    <message>
        <source> HG </source>
        <translation> HG </translation>
    </message>
    <message>
        <source>Calibrating...</source>
        <translation>Étalonnage...</translation>
    </message>
    <message>
        <source>Lack of space</source>
        <translation>Espace insuffisant</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>Échec de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Automatic Camera</source>
        <translation>Prise de vue auto</translation>
    </message>
</context>
<context>
    <name>EGraphicsViewPrivate</name>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
</context>
<context>
    <name>EISOSetup</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Trans</source>
        <translation>Transp.</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Inférieur</translation>
    </message>
    <message>
        <source>Inter</source>
        <translation>Interv.</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Supérieur</translation>
    </message>
    <message>
        <source>ISO Setting</source>
        <translation>Réglage isotherme</translation>
    </message>
    <message>
        <source>IsoMax:</source>
        <translation>IsoMax:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Mode:</translation>
    </message>
    <message>
        <source>IsoMin:</source>
        <translation>IsoMin:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Couleur:</translation>
    </message>
</context>
<context>
    <name>EImageMode</name>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Histogramme</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Adjust</source>
        <translation>Ajuster</translation>
    </message>
</context>
<context>
    <name>EImagePalette</name>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Standard *</source>
        <translation>Standard *</translation>
    </message>
    <message>
        <source>Custom *</source>
        <translation>Utilisateur *</translation>
    </message>
</context>
<context>
    <name>EImagePip</name>
    <message>
        <source>IR</source>
        <translation>IR</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>IR_PIPE_VIS</source>
        <translation>PiP IR/VIS</translation>
    </message>
    <message>
        <source>VIS_PIPE_IR</source>
        <translation>PiP VIS/IR</translation>
    </message>
    <message>
        <source>IR_MIX_VIS</source>
        <translation>Fusion IR/VIS</translation>
    </message>
    <message>
        <source>VIS_MIX_IR</source>
        <translation>Fusion VIS/IR</translation>
    </message>
    <message>
        <source>Position: TL</source>
        <translation>Position: HG</translation>
    </message>
    <message>
        <source>Position: BL</source>
        <translation>Position: BG</translation>
    </message>
    <message>
        <source>Position: BR</source>
        <translation>Position: BD</translation>
    </message>
    <message>
        <source>Position: TR</source>
        <translation>Position: HD</translation>
    </message>
    <message>
        <source>Size: Half</source>
        <translation>Dim.: moitié</translation>
    </message>
    <message>
        <source>Size: Full</source>
        <translation>Dim.: pleine</translation>
    </message>
    <message>
        <source>Pos:TopLeft</source>
        <translation>Pos:HautGauche</translation>
    </message>
    <message>
        <source>Per: </source>
        <translation>Fusion: </translation>
    </message>
</context>
<context>
    <name>EImageSettingTab</name>
    <message>
        <source>ISO</source>
        <translation>Isotherme</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <translation>Image seule</translation>
    </message>
</context>
<context>
    <name>EInfoPage</name>
    <message>
        <source>Info</source>
        <translation>Infos</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>N° série</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>SDCard</source>
        <translation>Carte SD</translation>
    </message>
</context>
<context>
    <name>ELanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
</context>
<context>
    <name>ELineMode</name>
    <message>
        <source>Row:</source>
        <translation>Rangée:</translation>
    </message>
    <message>
        <source>Column:</source>
        <translation>Colonne:</translation>
    </message>
    <message>
        <source>Hor Line</source>
        <translation>Ligne H</translation>
    </message>
    <message>
        <source>Ver Line</source>
        <translation>Ligne V</translation>
    </message>
</context>
<context>
    <name>ELineSetup</name>
    <message>
        <source>Line Setting</source>
        <translation>Réglage ligne</translation>
    </message>
    <message>
        <source>Hor Line Setting</source>
        <translation>Réglage ligne H</translation>
    </message>
    <message>
        <source>Ver Line Setting</source>
        <translation>Réglage ligne V</translation>
    </message>
</context>
<context>
    <name>ELineTab</name>
    <message>
        <source>Hor Line</source>
        <translation>Ligne H</translation>
    </message>
    <message>
        <source>Ver Line</source>
        <translation>Ligne V</translation>
    </message>
</context>
<context>
    <name>ELineWidget</name>
    <message>
        <source>L%1:%2</source>
        <translation>L%1:%2</translation>
    </message>
</context>
<context>
    <name>EListItems</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Contrôle</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>Date &amp; Time</source>
        <translation>Date &amp; heure</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Infos</translation>
    </message>
</context>
<context>
    <name>EMainInterface</name>
    <message>
        <source>Measure</source>
        <translation>Mesure</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
</context>
<context>
    <name>EMiscPage</name>
    <message>
        <source>Misc</source>
        <translation>Contrôle</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lampe</translation>
    </message>
    <message>
        <source>Screen Off</source>
        <translation>Veille écran</translation>
    </message>
    <message>
        <source>Auto Shutter</source>
        <translation>Obtur. auto</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Arrêt auto</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 secondes</translation>
    </message>
    <message>
        <source> 1 minutes</source>
        <translation> 1 minute</translation>
    </message>
    <message>
        <source> 2 minutes</source>
        <translation> 2 minutes</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5 minutes</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minutes</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minutes</translation>
    </message>
</context>
<context>
    <name>EObjectSetup</name>
    <message>
        <source>use global para</source>
        <translation>Utiliser param. globaux</translation>
    </message>
    <message>
        <source>Emiss:</source>
        <translation>Émiss.:</translation>
    </message>
    <message>
        <source>Distan:</source>
        <translation>Dist.:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Décal.:</translation>
    </message>
</context>
<context>
    <name>EParaSetup</name>
    <message>
        <source>Global Para</source>
        <translation>Param. globaux</translation>
    </message>
    <message>
        <source>Reset Para </source>
        <translation>Réinit. param. </translation>
    </message>
    <message>
        <source>Emiss:</source>
        <translation>Émiss.:</translation>
    </message>
    <message>
        <source>Distan:</source>
        <translation>Dist.:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Décal.:</translation>
    </message>
    <message>
        <source>Reset all measure para to 
 factory para?</source>
        <translation>Rétablir les valeurs d&apos;usine
 de tous les param. de mesure&#xa0;?</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Échec de l&apos;enregistrement&#xa0;!</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>EPhotosPage</name>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Répétition</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Intervalle</translation>
    </message>
</context>
<context>
    <name>ESettingTab</name>
    <message>
        <source>Global Para</source>
        <translation>Param. globaux</translation>
    </message>
    <message>
        <source>Measure Setting</source>
        <translation>Réglage mesure</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
</context>
<context>
    <name>EShowModifyDialog</name>
    <message>
        <source>Prev</source>
        <translation>Prev</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
</context>
<context>
    <name>EShutdownDialog</name>
    <message>
        <source>Power Off</source>
        <translation>Arrêt auto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5 minutes</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minutes</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minutes</translation>
    </message>
</context>
<context>
    <name>EShutterDialog</name>
    <message>
        <source>Auto Shutter</source>
        <translation>Obtur. auto</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 secondes</translation>
    </message>
    <message>
        <source> 1 minutes</source>
        <translation> 1 minute</translation>
    </message>
    <message>
        <source> 2 minutes</source>
        <translation> 2 minutes</translation>
    </message>
</context>
<context>
    <name>ESpotMode</name>
    <message>
        <source> Manual</source>
        <translation> Manuel</translation>
    </message>
    <message>
        <source> Max</source>
        <translation> Max</translation>
    </message>
    <message>
        <source> Min</source>
        <translation> Min</translation>
    </message>
    <message>
        <source>Spot %1 Mode</source>
        <translation>Mode point %1</translation>
    </message>
</context>
<context>
    <name>ESpotSetup</name>
    <message>
        <source>Spot Setting</source>
        <translation>Réglage point</translation>
    </message>
    <message>
        <source>Spot %1 Setting</source>
        <translation>Réglage point %1</translation>
    </message>
</context>
<context>
    <name>ESpotTab</name>
    <message>
        <source>Spot 1</source>
        <translation>Point 1</translation>
    </message>
    <message>
        <source>Spot 2</source>
        <translation>Point 2</translation>
    </message>
    <message>
        <source>Spot 3</source>
        <translation>Point 3</translation>
    </message>
</context>
<context>
    <name>ESpotWidget</name>
    <message>
        <source>P%1:%2</source>
        <translation>P%1:%2</translation>
    </message>
</context>
<context>
    <name>EStandardPalette</name>
    <message>
        <source>Iron</source>
        <translation>Fer</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arc-en-ciel</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>GreyInverted</source>
        <translation>Gris inversé</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Sépia</translation>
    </message>
    <message>
        <source>Blue_Red</source>
        <translation>Bleu-rouge</translation>
    </message>
    <message>
        <source>Hot_Cold</source>
        <translation>Chaud-froid</translation>
    </message>
    <message>
        <source>Feather</source>
        <translation>Plume</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>Médical</translation>
    </message>
    <message>
        <source>Standard Palette</source>
        <translation>Palette standard</translation>
    </message>
</context>
<context>
    <name>EmifTestPage</name>
    <message>
        <source>EMIF Test</source>
        <translation>EMIF Test</translation>
    </message>
</context>
<context>
    <name>EmissTable</name>
    <message>
        <source>Select Material</source>
        <translation>Choix du matériau</translation>
    </message>
</context>
<context>
    <name>IRCoreListItem</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Two Calib</source>
        <translation>Two Calib</translation>
    </message>
    <message>
        <source>Para Setting</source>
        <translation>Para Setting</translation>
    </message>
    <message>
        <source>B2</source>
        <translation>B2</translation>
    </message>
</context>
<context>
    <name>MainBiaoDing</name>
    <message>
        <source>CalibInfo </source>
        <translation>CalibInfo </translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>SetBg</source>
        <translation>SetBg</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Refused: AD %1 at %2 is not below %3 at %4. The table is unchanged.</source>
        <translation>Refusé : l'AD %1 à %2 n'est pas inférieur à %3 à %4. La table reste inchangée.</translation>
    </message>
    <message>
        <source>Refused: AD %1 at %2 is not above %3 at %4. The table is unchanged.</source>
        <translation>Refusé : l'AD %1 à %2 n'est pas supérieur à %3 à %4. La table reste inchangée.</translation>
    </message>
</context>
<context>
    <name>ParaBackupPage</name>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
</context>
<context>
    <name>PhotoMessageBox</name>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete image?</source>
        <translation>Supprimer l&apos;image&#xa0;?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>PhotoTimeDialog</name>
    <message>
        <source>Photo Time</source>
        <translation>Intervalle photo</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Seconde</translation>
    </message>
</context>
<context>
    <name>PhotosView</name>
    <message>
        <source>The voice note is too long to be played.</source>
        <translation>La note vocale est trop longue pour être lue.</translation>
    </message>
</context>
<context>
    <name>ProductInfoWidget</name>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>ScreenDirectory</name>
    <message>
        <source>No sd card</source>
        <translation>Pas de carte SD</translation>
    </message>
    <message>
        <source>This directory is empty</source>
        <translation>Ce dossier est vide</translation>
    </message>
</context>
<context>
    <name>SetListItem</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Calib</source>
        <translation>Calib</translation>
    </message>
    <message>
        <source>Ver</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Bak</source>
        <translation>Bak</translation>
    </message>
</context>
<context>
    <name>SettingsSync</name>
    <message>
        <source>Settings not stored!</source>
        <translation>Réglages non enregistrés !</translation>
    </message>
</context>
<context>
    <name>ThumbStatus</name>
    <message>
        <source>This directory is empty</source>
        <translation>Ce dossier est vide</translation>
    </message>
    <message>
        <source>No sd card</source>
        <translation>Pas de carte SD</translation>
    </message>
</context>
<context>
    <name>ThumbToolWidget</name>
    <message>
        <source>exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sél.</translation>
    </message>
    <message>
        <source>UnSelect All</source>
        <translation>Tout désél.</translation>
    </message>
</context>
<context>
    <name>UseKeyBoardDialog</name>
    <message>
        <source>Done</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>VideoView</name>
    <message>
        <source>This video cannot be played</source>
        <translation>Cette vidéo ne peut pas être lue</translation>
    </message>
</context>
<context>
    <name>ZDateFormat</name>
    <message>
        <source>Date Format</source>
        <translation>Format date</translation>
    </message>
</context>
<context>
    <name>ZDateTimePage</name>
    <message>
        <source>set DateTime</source>
        <translation>Date &amp; heure</translation>
    </message>
    <message>
        <source>Set Date</source>
        <translation>Régler la date</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Régler l&apos;heure</translation>
    </message>
    <message>
        <source>24-hour</source>
        <translation>Format 24 h</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Format date</translation>
    </message>
    <message>
        <source>12-hour</source>
        <translation>Format 12 h</translation>
    </message>
</context>
<context>
    <name>ZMultifunctional</name>
    <message>
        <source>Done</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ZPshutdown</name>
    <message>
        <source>Slide to power off</source>
        <translation>Glisser pour éteindre</translation>
    </message>
    <message>
        <source>Shutdown .....</source>
        <translation>Extinction .....</translation>
    </message>
</context>
<context>
    <name>ZSetTime</name>
    <message>
        <source>12-Hour</source>
        <translation>Format 12 h</translation>
    </message>
    <message>
        <source>24-Hour</source>
        <translation>Format 24 h</translation>
    </message>
</context>
<context>
    <name>setData</name>
    <message>
        <source>Set Data</source>
        <translation>Régler la date</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>mm/jj/aaaa</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation>jj/mm/aaaa</translation>
    </message>
    <message>
        <source>yyyy/mm/dd</source>
        <translation>aaaa/mm/jj</translation>
    </message>
</context>
</TS>
