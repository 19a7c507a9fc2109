<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>DefLanguages</name>
    <message>
        <source>LID_PC_60000_01</source>
        <translation>Aktualizace programu</translation>
    </message>
    <message>
        <source>LID_PC_60000_02</source>
        <translation>Probíhá stahování instalačních souborů.</translation>
    </message>
    <message>
        <source>LID_PC_60000_03</source>
        <translation>Program je již spuštěn</translation>
    </message>
    <message>
        <source>LID_PC_60000_04</source>
        <translation>Program Cartaline je již spuštěn.</translation>
    </message>
    <message>
        <source>LID_PC_60000_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_01</source>
        <translation>Aktualizace programu se nezdařila</translation>
    </message>
    <message>
        <source>LID_PC_60100_02</source>
        <translation>Síť není připojena. 
V aktualizaci nelze pokračovat.</translation>
    </message>
    <message>
        <source>LID_PC_60100_03</source>
        <translation>Zkontrolujte síť (včetně síťového kabelu a routeru), bránu firewall a nastavení antivirového programu a zkuste to znovu.</translation>
    </message>
    <message>
        <source>LID_PC_60100_04</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_05</source>
        <translation>Aktualizace programu se nezdařila</translation>
    </message>
    <message>
        <source>LID_PC_60100_06</source>
        <translation>Soubor aktualizace nebyl nalezen.</translation>
    </message>
    <message>
        <source>LID_PC_60100_07</source>
        <translation>Zkuste to prosím později.</translation>
    </message>
    <message>
        <source>LID_PC_60100_17</source>
        <translation>Pokud problém přetrvává, obraťte se na zákaznickou podporu.</translation>
    </message>
    <message>
        <source>LID_PC_60100_08</source>
        <translation>Přejít na web zákaznické podpory</translation>
    </message>
    <message>
        <source>LID_PC_60100_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_10</source>
        <translation>Zastavení aktualizace</translation>
    </message>
    <message>
        <source>LID_PC_60100_11</source>
        <translation>Chcete aktualizaci nyní zastavit?</translation>
    </message>
    <message>
        <source>LID_PC_60100_18</source>
        <translation>Pokud aktualizaci zastavíte, program Cartaline se automaticky ukončí.</translation>
    </message>
    <message>
        <source>LID_PC_60100_12</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_13</source>
        <translation>Aktualizace programu se nezdařila</translation>
    </message>
    <message>
        <source>LID_PC_60100_14</source>
        <translation>Program Cartaline se nepodařilo aktualizovat.</translation>
    </message>
    <message>
        <source>LID_PC_60100_19</source>
        <translation>Chcete to zkusit znovu?</translation>
    </message>
    <message>
        <source>LID_PC_60100_15</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_16</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>LID_PC_60200_01</source>
        <translation>Program Cartaline je připraven k aktualizaci.</translation>
    </message>
    <message>
        <source>LID_PC_60200_16</source>
        <translation>Chcete-li tuto změnu povolit, zadejte heslo.</translation>
    </message>
    <message>
        <source>LID_PC_60200_02</source>
        <translation>Uživatelské jméno</translation>
    </message>
    <message>
        <source>LID_PC_60200_03</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>LID_PC_60200_04</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>LID_PC_60200_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_06</source>
        <translation>Aktualizace programu se nezdařila</translation>
    </message>
    <message>
        <source>LID_PC_60200_07</source>
        <translation>Síť není připojena. 
V aktualizaci nelze pokračovat.</translation>
    </message>
    <message>
        <source>LID_PC_60200_08</source>
        <translation>Zkontrolujte síť (včetně síťového kabelu a routeru), bránu firewall 
a nastavení antivirového programu a zkuste to znovu.</translation>
    </message>
    <message>
        <source>LID_PC_60200_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_10</source>
        <translation>Aktualizace programu se nezdařila</translation>
    </message>
    <message>
        <source>LID_PC_60200_11</source>
        <translation>Program se nepodařilo aktualizovat.</translation>
    </message>
    <message>
        <source>LID_PC_60200_12</source>
        <translation>Zkuste to prosím později.</translation>
    </message>
    <message>
        <source>LID_PC_60200_15</source>
        <translation>Pokud problém přetrvává, obraťte se na zákaznickou podporu.</translation>
    </message>
    <message>
        <source>LID_PC_60200_13</source>
        <translation>Přejít na web zákaznické podpory</translation>
    </message>
    <message>
        <source>LID_PC_60200_14</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
