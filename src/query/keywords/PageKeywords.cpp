// Every page keyword object, made and registered on the first call of its family's registration.

#include "query/keywords/PageKeywords.h"

#include "query/keywords/CharacterKeywords.h"
#include "query/keywords/NavigationKeywords.h"
#include "query/keywords/SceneKeywords.h"

void RegisterCharacterKeywords() {
    static KChRefActv chRefActv;
    static KChRefBel chRefBel;
    static KChRefBG chRefBG;
    static KChRefCFunc chRefCFunc;
    static KChRefDesc chRefDesc;
    static KChRefInt chRefInt;
    static KChRefPhys chRefPhys;
    static KChRefRole chRefRole;
    static KChRefRoleX chRefRoleX;
    static KChRefSkil chRefSkil;
    static KChRefIntro chRefIntro;
    static KChRefInter chRefInter;
    static KChRefDismiss chRefDismiss;
    static KChRefNm chRefNm;
    static KChRefRelat chRefRelat;
    static KChRefArch chRefArch;
    static KChRefSex chRefSex;
    static KChRefForm chRefForm;
    static KChRefSubj chRefSubj;
    static KChSetMain chSetMain;
    static KChSetObst chSetObst;
    static KChCharListM chCharListM;
    static KChRefPossR chRefPossR;
    static KChRefAddR chRefAddR;
    static KCreateChar createChar;
    static KDeleteChar deleteChar;
    static KDelChRelat delChRelat;
    static KDeleteIntro deleteIntro;
    static KDeleteInter deleteInter;
    static KDeleteDis deleteDis;
    static KGotoChar gotoChar;
    static KGotoRelatOth gotoRelatOth;
}

void RegisterNavigationKeywords() {
    static KGotoPage gotoPage;
    static KGotoQLST gotoQLST;
    static KPrintRep printRep;
    static KACT act;
    static KSpJr spJr;
    static KINTER inter;
    static KNAME name;
    static KTHR thr;
}

void RegisterSceneKeywords() {
    static KSceneText sceneText;
    static KSceneAppr sceneAppr;
    static KScRefTitle scRefTitle;
    static KSceneCatRef sceneCatRef;
    static KSceneCat sceneCat;
    static KSceneTitle sceneTitle;
    static KSceneWkTitle sceneWkTitle;
    static KSceneSTell sceneSTell;
    static KSceneAdd sceneAdd;
    static KSceneDel sceneDel;
    static KSceneDes sceneDes;
    static KSceneAdDs sceneAdDs;
    static KSceneDelThis sceneDelThis;
}

void RegisterPageKeywords() {
    RegisterCharacterKeywords();
    RegisterNavigationKeywords();
    RegisterSceneKeywords();
}
