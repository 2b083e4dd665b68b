<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
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
        <translation>Ljusstyrka</translation>
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
        <translation>Paletterna kan inte sparas!</translation>
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
        <translation>Larminställning</translation>
    </message>
    <message>
        <source>Spot 1</source>
        <translation>Punkt 1</translation>
    </message>
    <message>
        <source>Spot 2</source>
        <translation>Punkt 2</translation>
    </message>
    <message>
        <source>Spot 3</source>
        <translation>Punkt 3</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Över</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Under</translation>
    </message>
    <message>
        <source>Equal</source>
        <translation>Lika med</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Mål:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Läge:</translation>
    </message>
    <message>
        <source>Temp:</source>
        <translation>Temp:</translation>
    </message>
</context>
<context>
    <name>EAnalysisSetup</name>
    <message>
        <source>Measure Setting</source>
        <translation>Mätinställning</translation>
    </message>
    <message>
        <source>Lens:</source>
        <translation>Objektiv:</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Mätområde:</translation>
    </message>
    <message>
        <source>Env:</source>
        <translation>Omgivn.:</translation>
    </message>
    <message>
        <source>Humid:</source>
        <translation>RF:</translation>
    </message>
    <message>
        <source>Ref:</source>
        <translation>Refl.:</translation>
    </message>
    <message>
        <source>Changing Temp Range!</source>
        <translation>Byter mätområde!</translation>
    </message>
    <message>
        <source>Calibration file error!</source>
        <translation>Fel i kalibreringsfil!</translation>
    </message>
    <message>
        <source>Modify file error!</source>
        <translation>Fel i korrektionsfil!</translation>
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
        <translation> Medel</translation>
    </message>
    <message>
        <source>Area %1 Mode</source>
        <translation>Läge ruta %1</translation>
    </message>
</context>
<context>
    <name>EAreaSetup</name>
    <message>
        <source>Area 1 Setting</source>
        <translation>Inställn. ruta 1</translation>
    </message>
    <message>
        <source>Area %1 Setting</source>
        <translation>Inställn. ruta %1</translation>
    </message>
</context>
<context>
    <name>EAreaTab</name>
    <message>
        <source>Area 1</source>
        <translation>Ruta 1</translation>
    </message>
    <message>
        <source>Area 2</source>
        <translation>Ruta 2</translation>
    </message>
    <message>
        <source>Area 3</source>
        <translation>Ruta 3</translation>
    </message>
</context>
<context>
    <name>EAreaWidget</name>
    <message>
        <source>A%1</source>
        <translation>R%1</translation>
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
        <translation>Med:</translation>
    </message>
</context>
<context>
    <name>EBattery</name>
    <message>
        <source>No Lens!</source>
        <translation>Inget objektiv!</translation>
    </message>
    <message>
        <source>Calibration file error!</source>
        <translation>Fel i kalibreringsfil!</translation>
    </message>
    <message>
        <source>Modify file error!</source>
        <translation>Fel i korrektionsfil!</translation>
    </message>
</context>
<context>
    <name>ECloseScreenDialog</name>
    <message>
        <source>Screen Off</source>
        <translation>Skärm av</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source> 1 minutes</source>
        <translation> 1 minut</translation>
    </message>
    <message>
        <source> 2 minutes</source>
        <translation> 2 minuter</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5 minuter</translation>
    </message>
</context>
<context>
    <name>EColorDialog</name>
    <message>
        <source>Current Color:</source>
        <translation>Aktuell färg:</translation>
    </message>
    <message>
        <source>Red:</source>
        <translation>Röd:</translation>
    </message>
    <message>
        <source>Green:</source>
        <translation>Grön:</translation>
    </message>
    <message>
        <source>Blue:</source>
        <translation>Blå:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktivera</translation>
    </message>
    <message>
        <source>Min. Value:</source>
        <translation>Min.värde:</translation>
    </message>
    <message>
        <source>Max. Value:</source>
        <translation>Max.värde:</translation>
    </message>
</context>
<context>
    <name>ECustomMenu</name>
    <message>
        <source>Add</source>
        <translation>Lägg till</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Byt namn</translation>
    </message>
</context>
<context>
    <name>ECustomPalette</name>
    <message>
        <source>Custom Palette</source>
        <translation>Anpassad palett</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot;?</source>
        <translation>Ta bort &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>The palette could not be set!</source>
        <translation>Paletten kunde inte aktiveras!</translation>
    </message>
</context>
<context>
    <name>EDialogTitle</name>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
    </message>
</context>
<context>
    <name>EDiffSetup</name>
    <message>
        <source>Diff %1 Setting</source>
        <translation>Inställn. diff %1</translation>
    </message>
</context>
<context>
    <name>EDiffTab</name>
    <message>
        <source>Diff 1</source>
        <translation>Diff 1</translation>
    </message>
    <message>
        <source>Diff 2</source>
        <translation>Diff 2</translation>
    </message>
</context>
<context>
    <name>EGeneralPage</name>
    <message>
        <source>OFF</source>
        <translation>Av</translation>
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
        <translation>Allmänt</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Utgång</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Precision</translation>
    </message>
    <message>
        <source>Temp Unit</source>
        <translation>Temperaturenhet</translation>
    </message>
    <message>
        <source>Len Unit</source>
        <translation>Längdenhet</translation>
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
        <translation>Fel i kalibreringsfil!</translation>
    </message>
    <message>
        <source>Modify file error!</source>
        <translation>Fel i korrektionsfil!</translation>
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
        <translation>Kalibrerar...</translation>
    </message>
    <message>
        <source>Lack of space</source>
        <translation>Otillräckligt utrymme</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>Kunde inte spara</translation>
    </message>
    <message>
        <source>Automatic Camera</source>
        <translation>Automatisk fotografering</translation>
    </message>
</context>
<context>
    <name>EGraphicsViewPrivate</name>
    <message>
        <source>Distance</source>
        <translation>Avstånd</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horisontell</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
</context>
<context>
    <name>EISOSetup</name>
    <message>
        <source>Black</source>
        <translation>Svart</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Vit</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grön</translation>
    </message>
    <message>
        <source>Trans</source>
        <translation>Transp.</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Under</translation>
    </message>
    <message>
        <source>Inter</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Över</translation>
    </message>
    <message>
        <source>ISO Setting</source>
        <translation>Inställn. isoterm</translation>
    </message>
    <message>
        <source>IsoMax:</source>
        <translation>IsoMax:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Läge:</translation>
    </message>
    <message>
        <source>IsoMin:</source>
        <translation>IsoMin:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Färg:</translation>
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
        <translation>Histogram</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Adjust</source>
        <translation>Justera</translation>
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
        <translation>Anpassad</translation>
    </message>
    <message>
        <source>Standard *</source>
        <translation>Standard *</translation>
    </message>
    <message>
        <source>Custom *</source>
        <translation>Anpassad *</translation>
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
        <translation>Visuell</translation>
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
        <translation>Övre vänster</translation>
    </message>
    <message>
        <source>Position: BL</source>
        <translation>Nedre vänster</translation>
    </message>
    <message>
        <source>Position: BR</source>
        <translation>Nedre höger</translation>
    </message>
    <message>
        <source>Position: TR</source>
        <translation>Övre höger</translation>
    </message>
    <message>
        <source>Size: Half</source>
        <translation>Storlek: halv</translation>
    </message>
    <message>
        <source>Size: Full</source>
        <translation>Storlek: hel</translation>
    </message>
    <message>
        <source>Pos:TopLeft</source>
        <translation>Övre vänster</translation>
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
        <translation>Isoterm</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <translation>Endast bild</translation>
    </message>
</context>
<context>
    <name>EInfoPage</name>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>SDCard</source>
        <translation>SD-kort</translation>
    </message>
</context>
<context>
    <name>ELanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
</context>
<context>
    <name>ELineMode</name>
    <message>
        <source>Row:</source>
        <translation>Rad:</translation>
    </message>
    <message>
        <source>Column:</source>
        <translation>Kolumn:</translation>
    </message>
    <message>
        <source>Hor Line</source>
        <translation>H-linje</translation>
    </message>
    <message>
        <source>Ver Line</source>
        <translation>V-linje</translation>
    </message>
</context>
<context>
    <name>ELineSetup</name>
    <message>
        <source>Line Setting</source>
        <translation>Linjeinställning</translation>
    </message>
    <message>
        <source>Hor Line Setting</source>
        <translation>Inställn. H-linje</translation>
    </message>
    <message>
        <source>Ver Line Setting</source>
        <translation>Inställn. V-linje</translation>
    </message>
</context>
<context>
    <name>ELineTab</name>
    <message>
        <source>Hor Line</source>
        <translation>H-linje</translation>
    </message>
    <message>
        <source>Ver Line</source>
        <translation>V-linje</translation>
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
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allmänt</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Styrning</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Foton</translation>
    </message>
    <message>
        <source>Date &amp; Time</source>
        <translation>Datum &amp; tid</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>EMainInterface</name>
    <message>
        <source>Measure</source>
        <translation>Mätning</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foton</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spela</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Inställ.</translation>
    </message>
</context>
<context>
    <name>EMiscPage</name>
    <message>
        <source>Misc</source>
        <translation>Styrning</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lampa</translation>
    </message>
    <message>
        <source>Screen Off</source>
        <translation>Skärm av</translation>
    </message>
    <message>
        <source>Auto Shutter</source>
        <translation>Autoslutare</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Avstängning</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Ljusstyrka</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 sekunder</translation>
    </message>
    <message>
        <source> 1 minutes</source>
        <translation> 1 minut</translation>
    </message>
    <message>
        <source> 2 minutes</source>
        <translation> 2 minuter</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5 minuter</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minuter</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minuter</translation>
    </message>
</context>
<context>
    <name>EObjectSetup</name>
    <message>
        <source>use global para</source>
        <translation>Använd globala param.</translation>
    </message>
    <message>
        <source>Emiss:</source>
        <translation>Emiss.:</translation>
    </message>
    <message>
        <source>Distan:</source>
        <translation>Avst.:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Offset:</translation>
    </message>
</context>
<context>
    <name>EParaSetup</name>
    <message>
        <source>Global Para</source>
        <translation>Globala param.</translation>
    </message>
    <message>
        <source>Reset Para </source>
        <translation>Återställ param. </translation>
    </message>
    <message>
        <source>Emiss:</source>
        <translation>Emiss.:</translation>
    </message>
    <message>
        <source>Distan:</source>
        <translation>Avst.:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Offset:</translation>
    </message>
    <message>
        <source>Reset all measure para to 
 factory para?</source>
        <translation>Återställ alla mätparametrar
 till fabriksvärden?</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Kunde inte spara!</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
</context>
<context>
    <name>EPhotosPage</name>
    <message>
        <source>Photos</source>
        <translation>Foton</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Upprepa</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Intervall</translation>
    </message>
</context>
<context>
    <name>ESettingTab</name>
    <message>
        <source>Global Para</source>
        <translation>Globala param.</translation>
    </message>
    <message>
        <source>Measure Setting</source>
        <translation>Mätinställning</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Larm</translation>
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
        <translation>Avstängning</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5 minuter</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minuter</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minuter</translation>
    </message>
</context>
<context>
    <name>EShutterDialog</name>
    <message>
        <source>Auto Shutter</source>
        <translation>Autoslutare</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 sekunder</translation>
    </message>
    <message>
        <source> 1 minutes</source>
        <translation> 1 minut</translation>
    </message>
    <message>
        <source> 2 minutes</source>
        <translation> 2 minuter</translation>
    </message>
</context>
<context>
    <name>ESpotMode</name>
    <message>
        <source> Manual</source>
        <translation> Manuell</translation>
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
        <translation>Läge punkt %1</translation>
    </message>
</context>
<context>
    <name>ESpotSetup</name>
    <message>
        <source>Spot Setting</source>
        <translation>Punktinställning</translation>
    </message>
    <message>
        <source>Spot %1 Setting</source>
        <translation>Inställn. punkt %1</translation>
    </message>
</context>
<context>
    <name>ESpotTab</name>
    <message>
        <source>Spot 1</source>
        <translation>Punkt 1</translation>
    </message>
    <message>
        <source>Spot 2</source>
        <translation>Punkt 2</translation>
    </message>
    <message>
        <source>Spot 3</source>
        <translation>Punkt 3</translation>
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
        <translation>Järn</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Regnbåge</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grå</translation>
    </message>
    <message>
        <source>GreyInverted</source>
        <translation>Inverterad grå</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>Blue_Red</source>
        <translation>Blå-röd</translation>
    </message>
    <message>
        <source>Hot_Cold</source>
        <translation>Varm-kall</translation>
    </message>
    <message>
        <source>Feather</source>
        <translation>Fjäder</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>Medicinsk</translation>
    </message>
    <message>
        <source>Standard Palette</source>
        <translation>Standardpalett</translation>
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
        <translation>Välj material</translation>
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
        <translation>Avvisad: AD %1 vid %2 ligger inte under %3 vid %4. Tabellen är oförändrad.</translation>
    </message>
    <message>
        <source>Refused: AD %1 at %2 is not above %3 at %4. The table is unchanged.</source>
        <translation>Avvisad: AD %1 vid %2 ligger inte över %3 vid %4. Tabellen är oförändrad.</translation>
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
        <translation>Radera</translation>
    </message>
    <message>
        <source>Delete image?</source>
        <translation>Radera bilden?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>PhotoTimeDialog</name>
    <message>
        <source>Photo Time</source>
        <translation>Fotointervall</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minut</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Timme</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Sekund</translation>
    </message>
</context>
<context>
    <name>PhotosView</name>
    <message>
        <source>The voice note is too long to be played.</source>
        <translation>Röstanteckningen är för lång för att spelas upp.</translation>
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
        <translation>Inget SD-kort</translation>
    </message>
    <message>
        <source>This directory is empty</source>
        <translation>Mappen är tom</translation>
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
        <translation>Inställningar ej sparade!</translation>
    </message>
</context>
<context>
    <name>ThumbStatus</name>
    <message>
        <source>This directory is empty</source>
        <translation>Mappen är tom</translation>
    </message>
    <message>
        <source>No sd card</source>
        <translation>Inget SD-kort</translation>
    </message>
</context>
<context>
    <name>ThumbToolWidget</name>
    <message>
        <source>exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>Radera</translation>
    </message>
    <message>
        <source>back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Markera alla</translation>
    </message>
    <message>
        <source>UnSelect All</source>
        <translation>Avmarkera</translation>
    </message>
</context>
<context>
    <name>UseKeyBoardDialog</name>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>VideoView</name>
    <message>
        <source>This video cannot be played</source>
        <translation>Den här videon kan inte spelas upp</translation>
    </message>
</context>
<context>
    <name>ZDateFormat</name>
    <message>
        <source>Date Format</source>
        <translation>Datumformat</translation>
    </message>
</context>
<context>
    <name>ZDateTimePage</name>
    <message>
        <source>set DateTime</source>
        <translation>Datum &amp; tid</translation>
    </message>
    <message>
        <source>Set Date</source>
        <translation>Ställ in datum</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Ställ in tid</translation>
    </message>
    <message>
        <source>24-hour</source>
        <translation>24-timmars</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Datumformat</translation>
    </message>
    <message>
        <source>12-hour</source>
        <translation>12-timmars</translation>
    </message>
</context>
<context>
    <name>ZMultifunctional</name>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
    </message>
</context>
<context>
    <name>ZPshutdown</name>
    <message>
        <source>Slide to power off</source>
        <translation>Dra för att stänga av</translation>
    </message>
    <message>
        <source>Shutdown .....</source>
        <translation>Stänger av .....</translation>
    </message>
</context>
<context>
    <name>ZSetTime</name>
    <message>
        <source>12-Hour</source>
        <translation>12-timmars</translation>
    </message>
    <message>
        <source>24-Hour</source>
        <translation>24-timmars</translation>
    </message>
</context>
<context>
    <name>setData</name>
    <message>
        <source>Set Data</source>
        <translation>Ställ in datum</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>mm/dd/åååå</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation>dd/mm/åååå</translation>
    </message>
    <message>
        <source>yyyy/mm/dd</source>
        <translation>åååå/mm/dd</translation>
    </message>
</context>
</TS>
