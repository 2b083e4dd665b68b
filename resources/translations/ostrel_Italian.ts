<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
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
        <translation>Luminosità</translation>
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
        <translation>Palette non salvate!</translation>
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
        <translation>Impost. allarme</translation>
    </message>
    <message>
        <source>Spot 1</source>
        <translation>Punto 1</translation>
    </message>
    <message>
        <source>Spot 2</source>
        <translation>Punto 2</translation>
    </message>
    <message>
        <source>Spot 3</source>
        <translation>Punto 3</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Superiore</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Inferiore</translation>
    </message>
    <message>
        <source>Equal</source>
        <translation>Uguale</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Oggetto:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modo:</translation>
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
        <translation>Impost. misura</translation>
    </message>
    <message>
        <source>Lens:</source>
        <translation>Ottica:</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Campo:</translation>
    </message>
    <message>
        <source>Env:</source>
        <translation>Amb.:</translation>
    </message>
    <message>
        <source>Humid:</source>
        <translation>Umid.:</translation>
    </message>
    <message>
        <source>Ref:</source>
        <translation>Rifl.:</translation>
    </message>
    <message>
        <source>Changing Temp Range!</source>
        <translation>Cambio campo di misura!</translation>
    </message>
    <message>
        <source>Calibration file error!</source>
        <translation>Errore file calibrazione!</translation>
    </message>
    <message>
        <source>Modify file error!</source>
        <translation>Errore file correzione!</translation>
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
        <translation> Media</translation>
    </message>
    <message>
        <source>Area %1 Mode</source>
        <translation>Modo area %1</translation>
    </message>
</context>
<context>
    <name>EAreaSetup</name>
    <message>
        <source>Area 1 Setting</source>
        <translation>Impost. area 1</translation>
    </message>
    <message>
        <source>Area %1 Setting</source>
        <translation>Impost. area %1</translation>
    </message>
</context>
<context>
    <name>EAreaTab</name>
    <message>
        <source>Area 1</source>
        <translation>Area 1</translation>
    </message>
    <message>
        <source>Area 2</source>
        <translation>Area 2</translation>
    </message>
    <message>
        <source>Area 3</source>
        <translation>Area 3</translation>
    </message>
</context>
<context>
    <name>EAreaWidget</name>
    <message>
        <source>A%1</source>
        <translation>A%1</translation>
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
        <translation>Nessuna ottica!</translation>
    </message>
    <message>
        <source>Calibration file error!</source>
        <translation>Errore file calibrazione!</translation>
    </message>
    <message>
        <source>Modify file error!</source>
        <translation>Errore file correzione!</translation>
    </message>
</context>
<context>
    <name>ECloseScreenDialog</name>
    <message>
        <source>Screen Off</source>
        <translation>Spegn. schermo</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source> 1 minutes</source>
        <translation> 1 minuto</translation>
    </message>
    <message>
        <source> 2 minutes</source>
        <translation> 2 minuti</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5 minuti</translation>
    </message>
</context>
<context>
    <name>EColorDialog</name>
    <message>
        <source>Current Color:</source>
        <translation>Colore attuale:</translation>
    </message>
    <message>
        <source>Red:</source>
        <translation>Rosso:</translation>
    </message>
    <message>
        <source>Green:</source>
        <translation>Verde:</translation>
    </message>
    <message>
        <source>Blue:</source>
        <translation>Blu:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Min. Value:</source>
        <translation>Valore min.:</translation>
    </message>
    <message>
        <source>Max. Value:</source>
        <translation>Valore max.:</translation>
    </message>
</context>
<context>
    <name>ECustomMenu</name>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
</context>
<context>
    <name>ECustomPalette</name>
    <message>
        <source>Custom Palette</source>
        <translation>Palette utente</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot;?</source>
        <translation>Rimuovere &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>The palette could not be set!</source>
        <translation>Palette non applicata!</translation>
    </message>
</context>
<context>
    <name>EDialogTitle</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
</context>
<context>
    <name>EDiffSetup</name>
    <message>
        <source>Diff %1 Setting</source>
        <translation>Impost. diff. %1</translation>
    </message>
</context>
<context>
    <name>EDiffTab</name>
    <message>
        <source>Diff 1</source>
        <translation>Diff. 1</translation>
    </message>
    <message>
        <source>Diff 2</source>
        <translation>Diff. 2</translation>
    </message>
</context>
<context>
    <name>EGeneralPage</name>
    <message>
        <source>OFF</source>
        <translation>NO</translation>
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
        <translation>Generale</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Uscita video</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Precisione</translation>
    </message>
    <message>
        <source>Temp Unit</source>
        <translation>Unità temp.</translation>
    </message>
    <message>
        <source>Len Unit</source>
        <translation>Unità lungh.</translation>
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
        <translation>Errore file calibrazione!</translation>
    </message>
    <message>
        <source>Modify file error!</source>
        <translation>Errore file correzione!</translation>
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
        <translation> IST </translation>
    </message>
    <message>
        <source>Calibrating...</source>
        <translation>Calibrazione...</translation>
    </message>
    <message>
        <source>Lack of space</source>
        <translation>Spazio insufficiente</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>Salvataggio non riuscito</translation>
    </message>
    <message>
        <source>Automatic Camera</source>
        <translation>Scatto automatico</translation>
    </message>
</context>
<context>
    <name>EGraphicsViewPrivate</name>
    <message>
        <source>Distance</source>
        <translation>Distanza</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Orizzontale</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticale</translation>
    </message>
</context>
<context>
    <name>EISOSetup</name>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Trans</source>
        <translation>Trasp.</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Inferiore</translation>
    </message>
    <message>
        <source>Inter</source>
        <translation>Interv.</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Superiore</translation>
    </message>
    <message>
        <source>ISO Setting</source>
        <translation>Impost. isoterma</translation>
    </message>
    <message>
        <source>IsoMax:</source>
        <translation>IsoMax:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modo:</translation>
    </message>
    <message>
        <source>IsoMin:</source>
        <translation>IsoMin:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Colore:</translation>
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
        <translation>Istogramma</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
    </message>
    <message>
        <source>Adjust</source>
        <translation>Regolazione</translation>
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
        <translation>Utente</translation>
    </message>
    <message>
        <source>Standard *</source>
        <translation>Standard *</translation>
    </message>
    <message>
        <source>Custom *</source>
        <translation>Utente *</translation>
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
        <translation>Visibile</translation>
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
        <translation>Fusione IR/VIS</translation>
    </message>
    <message>
        <source>VIS_MIX_IR</source>
        <translation>Fusione VIS/IR</translation>
    </message>
    <message>
        <source>Position: TL</source>
        <translation>Posizione: AS</translation>
    </message>
    <message>
        <source>Position: BL</source>
        <translation>Posizione: BS</translation>
    </message>
    <message>
        <source>Position: BR</source>
        <translation>Posizione: BD</translation>
    </message>
    <message>
        <source>Position: TR</source>
        <translation>Posizione: AD</translation>
    </message>
    <message>
        <source>Size: Half</source>
        <translation>Dim.: metà</translation>
    </message>
    <message>
        <source>Size: Full</source>
        <translation>Dim.: intera</translation>
    </message>
    <message>
        <source>Pos:TopLeft</source>
        <translation>Pos:AltoSinistra</translation>
    </message>
    <message>
        <source>Per: </source>
        <translation>Fusione: </translation>
    </message>
</context>
<context>
    <name>EImageSettingTab</name>
    <message>
        <source>ISO</source>
        <translation>Isoterma</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <translation>Solo immagine</translation>
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
        <translation>Modello</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>N. serie</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>SDCard</source>
        <translation>Scheda SD</translation>
    </message>
</context>
<context>
    <name>ELanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
</context>
<context>
    <name>ELineMode</name>
    <message>
        <source>Row:</source>
        <translation>Riga:</translation>
    </message>
    <message>
        <source>Column:</source>
        <translation>Colonna:</translation>
    </message>
    <message>
        <source>Hor Line</source>
        <translation>Linea O</translation>
    </message>
    <message>
        <source>Ver Line</source>
        <translation>Linea V</translation>
    </message>
</context>
<context>
    <name>ELineSetup</name>
    <message>
        <source>Line Setting</source>
        <translation>Impost. linea</translation>
    </message>
    <message>
        <source>Hor Line Setting</source>
        <translation>Impost. linea O</translation>
    </message>
    <message>
        <source>Ver Line Setting</source>
        <translation>Impost. linea V</translation>
    </message>
</context>
<context>
    <name>ELineTab</name>
    <message>
        <source>Hor Line</source>
        <translation>Linea O</translation>
    </message>
    <message>
        <source>Ver Line</source>
        <translation>Linea V</translation>
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
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Controllo</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Date &amp; Time</source>
        <translation>Data &amp; ora</translation>
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
        <translation>Misura</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cattura</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riprod.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impost.</translation>
    </message>
</context>
<context>
    <name>EMiscPage</name>
    <message>
        <source>Misc</source>
        <translation>Controllo</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lampada</translation>
    </message>
    <message>
        <source>Screen Off</source>
        <translation>Spegn. schermo</translation>
    </message>
    <message>
        <source>Auto Shutter</source>
        <translation>Ottur. auto</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Spegnimento</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 secondi</translation>
    </message>
    <message>
        <source> 1 minutes</source>
        <translation> 1 minuto</translation>
    </message>
    <message>
        <source> 2 minutes</source>
        <translation> 2 minuti</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5 minuti</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minuti</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minuti</translation>
    </message>
</context>
<context>
    <name>EObjectSetup</name>
    <message>
        <source>use global para</source>
        <translation>Usa param. globali</translation>
    </message>
    <message>
        <source>Emiss:</source>
        <translation>Emiss.:</translation>
    </message>
    <message>
        <source>Distan:</source>
        <translation>Dist.:</translation>
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
        <translation>Param. globali</translation>
    </message>
    <message>
        <source>Reset Para </source>
        <translation>Ripristina param. </translation>
    </message>
    <message>
        <source>Emiss:</source>
        <translation>Emiss.:</translation>
    </message>
    <message>
        <source>Distan:</source>
        <translation>Dist.:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Offset:</translation>
    </message>
    <message>
        <source>Reset all measure para to 
 factory para?</source>
        <translation>Ripristinare i valori di fabbrica
 di tutti i param. di misura?</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Salvataggio non riuscito!</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>EPhotosPage</name>
    <message>
        <source>Photos</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Ripetizione</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Intervallo</translation>
    </message>
</context>
<context>
    <name>ESettingTab</name>
    <message>
        <source>Global Para</source>
        <translation>Param. globali</translation>
    </message>
    <message>
        <source>Measure Setting</source>
        <translation>Impost. misura</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Allarme</translation>
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
        <translation>Spegnimento</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5 minuti</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minuti</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minuti</translation>
    </message>
</context>
<context>
    <name>EShutterDialog</name>
    <message>
        <source>Auto Shutter</source>
        <translation>Ottur. auto</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 secondi</translation>
    </message>
    <message>
        <source> 1 minutes</source>
        <translation> 1 minuto</translation>
    </message>
    <message>
        <source> 2 minutes</source>
        <translation> 2 minuti</translation>
    </message>
</context>
<context>
    <name>ESpotMode</name>
    <message>
        <source> Manual</source>
        <translation> Manuale</translation>
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
        <translation>Modo punto %1</translation>
    </message>
</context>
<context>
    <name>ESpotSetup</name>
    <message>
        <source>Spot Setting</source>
        <translation>Impost. punto</translation>
    </message>
    <message>
        <source>Spot %1 Setting</source>
        <translation>Impost. punto %1</translation>
    </message>
</context>
<context>
    <name>ESpotTab</name>
    <message>
        <source>Spot 1</source>
        <translation>Punto 1</translation>
    </message>
    <message>
        <source>Spot 2</source>
        <translation>Punto 2</translation>
    </message>
    <message>
        <source>Spot 3</source>
        <translation>Punto 3</translation>
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
        <translation>Ferro</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arcobaleno</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grigio</translation>
    </message>
    <message>
        <source>GreyInverted</source>
        <translation>Grigio inverso</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Seppia</translation>
    </message>
    <message>
        <source>Blue_Red</source>
        <translation>Blu-rosso</translation>
    </message>
    <message>
        <source>Hot_Cold</source>
        <translation>Caldo-freddo</translation>
    </message>
    <message>
        <source>Feather</source>
        <translation>Piuma</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>Medicale</translation>
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
        <translation>Scegli materiale</translation>
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
        <translation>Rifiutato: AD %1 a %2 non è inferiore a %3 a %4. La tabella resta invariata.</translation>
    </message>
    <message>
        <source>Refused: AD %1 at %2 is not above %3 at %4. The table is unchanged.</source>
        <translation>Rifiutato: AD %1 a %2 non è superiore a %3 a %4. La tabella resta invariata.</translation>
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
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Delete image?</source>
        <translation>Eliminare l&apos;immagine?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>PhotoTimeDialog</name>
    <message>
        <source>Photo Time</source>
        <translation>Intervallo foto</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuto</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Secondo</translation>
    </message>
</context>
<context>
    <name>PhotosView</name>
    <message>
        <source>The voice note is too long to be played.</source>
        <translation>La nota vocale è troppo lunga per essere riprodotta.</translation>
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
        <translation>Nessuna scheda SD</translation>
    </message>
    <message>
        <source>This directory is empty</source>
        <translation>La cartella è vuota</translation>
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
        <translation>Impostazioni non salvate!</translation>
    </message>
</context>
<context>
    <name>ThumbStatus</name>
    <message>
        <source>This directory is empty</source>
        <translation>La cartella è vuota</translation>
    </message>
    <message>
        <source>No sd card</source>
        <translation>Nessuna scheda SD</translation>
    </message>
</context>
<context>
    <name>ThumbToolWidget</name>
    <message>
        <source>exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Sel. tutto</translation>
    </message>
    <message>
        <source>UnSelect All</source>
        <translation>Desel. tutto</translation>
    </message>
</context>
<context>
    <name>UseKeyBoardDialog</name>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>VideoView</name>
    <message>
        <source>This video cannot be played</source>
        <translation>Impossibile riprodurre questo video</translation>
    </message>
</context>
<context>
    <name>ZDateFormat</name>
    <message>
        <source>Date Format</source>
        <translation>Formato data</translation>
    </message>
</context>
<context>
    <name>ZDateTimePage</name>
    <message>
        <source>set DateTime</source>
        <translation>Data &amp; ora</translation>
    </message>
    <message>
        <source>Set Date</source>
        <translation>Imposta data</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Imposta ora</translation>
    </message>
    <message>
        <source>24-hour</source>
        <translation>Formato 24 h</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Formato data</translation>
    </message>
    <message>
        <source>12-hour</source>
        <translation>Formato 12 h</translation>
    </message>
</context>
<context>
    <name>ZMultifunctional</name>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
</context>
<context>
    <name>ZPshutdown</name>
    <message>
        <source>Slide to power off</source>
        <translation>Scorri per spegnere</translation>
    </message>
    <message>
        <source>Shutdown .....</source>
        <translation>Spegnimento .....</translation>
    </message>
</context>
<context>
    <name>ZSetTime</name>
    <message>
        <source>12-Hour</source>
        <translation>Formato 12 h</translation>
    </message>
    <message>
        <source>24-Hour</source>
        <translation>Formato 24 h</translation>
    </message>
</context>
<context>
    <name>setData</name>
    <message>
        <source>Set Data</source>
        <translation>Imposta data</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>mm/gg/aaaa</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation>gg/mm/aaaa</translation>
    </message>
    <message>
        <source>yyyy/mm/dd</source>
        <translation>aaaa/mm/gg</translation>
    </message>
</context>
</TS>
