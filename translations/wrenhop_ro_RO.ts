<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name>DefLanguages</name>
    <message>
        <source>LID_PC_60000_01</source>
        <translation>Actualizare program</translation>
    </message>
    <message>
        <source>LID_PC_60000_02</source>
        <translation>Se descarcă fișierele de instalare.</translation>
    </message>
    <message>
        <source>LID_PC_60000_03</source>
        <translation>Programul rulează deja</translation>
    </message>
    <message>
        <source>LID_PC_60000_04</source>
        <translation>Cartaline rulează deja.</translation>
    </message>
    <message>
        <source>LID_PC_60000_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_01</source>
        <translation>Actualizarea programului a eșuat</translation>
    </message>
    <message>
        <source>LID_PC_60100_02</source>
        <translation>Rețeaua nu este conectată. 
Actualizarea nu poate continua.</translation>
    </message>
    <message>
        <source>LID_PC_60100_03</source>
        <translation>Verificați rețeaua (inclusiv cablul de rețea și routerul), paravanul de protecție și setările programului antivirus, apoi încercați din nou.</translation>
    </message>
    <message>
        <source>LID_PC_60100_04</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_05</source>
        <translation>Actualizarea programului a eșuat</translation>
    </message>
    <message>
        <source>LID_PC_60100_06</source>
        <translation>Fișierul de actualizare nu a fost găsit.</translation>
    </message>
    <message>
        <source>LID_PC_60100_07</source>
        <translation>Încercați din nou mai târziu.</translation>
    </message>
    <message>
        <source>LID_PC_60100_17</source>
        <translation>Dacă problema persistă, contactați serviciul de asistență pentru clienți.</translation>
    </message>
    <message>
        <source>LID_PC_60100_08</source>
        <translation>Accesați site-ul serviciului de asistență pentru clienți</translation>
    </message>
    <message>
        <source>LID_PC_60100_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_10</source>
        <translation>Oprire actualizare</translation>
    </message>
    <message>
        <source>LID_PC_60100_11</source>
        <translation>Opriți actualizarea acum?</translation>
    </message>
    <message>
        <source>LID_PC_60100_18</source>
        <translation>Dacă opriți actualizarea, Cartaline se va închide automat.</translation>
    </message>
    <message>
        <source>LID_PC_60100_12</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_13</source>
        <translation>Actualizarea programului a eșuat</translation>
    </message>
    <message>
        <source>LID_PC_60100_14</source>
        <translation>Cartaline nu a putut fi actualizat.</translation>
    </message>
    <message>
        <source>LID_PC_60100_19</source>
        <translation>Doriți să încercați din nou?</translation>
    </message>
    <message>
        <source>LID_PC_60100_15</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_16</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>LID_PC_60200_01</source>
        <translation>Cartaline este pregătit pentru actualizare.</translation>
    </message>
    <message>
        <source>LID_PC_60200_16</source>
        <translation>Pentru a permite această modificare, introduceți parola.</translation>
    </message>
    <message>
        <source>LID_PC_60200_02</source>
        <translation>Nume utilizator</translation>
    </message>
    <message>
        <source>LID_PC_60200_03</source>
        <translation>Parolă</translation>
    </message>
    <message>
        <source>LID_PC_60200_04</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>LID_PC_60200_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_06</source>
        <translation>Actualizarea programului a eșuat</translation>
    </message>
    <message>
        <source>LID_PC_60200_07</source>
        <translation>Rețeaua nu este conectată. 
Actualizarea nu poate continua.</translation>
    </message>
    <message>
        <source>LID_PC_60200_08</source>
        <translation>Verificați rețeaua (inclusiv cablul de rețea și routerul), paravanul de protecție 
și setările programului antivirus, apoi încercați din nou.</translation>
    </message>
    <message>
        <source>LID_PC_60200_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_10</source>
        <translation>Actualizarea programului a eșuat</translation>
    </message>
    <message>
        <source>LID_PC_60200_11</source>
        <translation>Programul nu a putut fi actualizat.</translation>
    </message>
    <message>
        <source>LID_PC_60200_12</source>
        <translation>Încercați din nou mai târziu.</translation>
    </message>
    <message>
        <source>LID_PC_60200_15</source>
        <translation>Dacă problema persistă, contactați serviciul de asistență pentru clienți.</translation>
    </message>
    <message>
        <source>LID_PC_60200_13</source>
        <translation>Accesați site-ul serviciului de asistență pentru clienți</translation>
    </message>
    <message>
        <source>LID_PC_60200_14</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
